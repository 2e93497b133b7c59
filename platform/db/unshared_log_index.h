// Reading a database whose write-ahead log lost its shared index (the
// "-shm" file a writer keeps beside it) without making a new index there.
#pragma once

// The name of the engine's file layer (a VFS) that, for the files opened
// through it, keeps the log's index in the connection's own memory: the
// engine then reads the whole log into memory at each read, as it does
// when it finds an index it may not write and no writer attached. Nothing
// is made beside the file, and no lock on the log is shared with other
// programs, so only a connection that writes nothing may use it.
const char* UnsharedLogIndexVfs();
