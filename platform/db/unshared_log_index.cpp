// The file layer that keeps a write-ahead log's index to itself: the
// system's own layer, with the shared-memory calls of a database file
// answered as for an index that exists but can't be trusted.
#include "platform/db/unshared_log_index.h"

#include <sqlite3.h>

namespace {

sqlite3_vfs* systemVfs = nullptr;
// The system layer's methods for a database file, and the same with the
// shared-memory calls replaced; set at the first open.
const sqlite3_io_methods* systemMethods = nullptr;
sqlite3_io_methods unsharedMethods;

// "The index can't be set up by this connection": the engine builds a
// private one in memory from the log.
int ShmMap(sqlite3_file*, int, int, int, void volatile** Page)
{
    *Page = nullptr;
    return SQLITE_READONLY_CANTINIT;
}
int ShmLock(sqlite3_file*, int, int, int) { return SQLITE_OK; }
void ShmBarrier(sqlite3_file*) {}
int ShmUnmap(sqlite3_file*, int) { return SQLITE_OK; }

int Open(sqlite3_vfs*, sqlite3_filename Name, sqlite3_file* File, int Flags, int* OutFlags)
{
    const int rc = systemVfs->xOpen(systemVfs, Name, File, Flags, OutFlags);
    if (rc != SQLITE_OK || !File->pMethods || !(Flags & SQLITE_OPEN_MAIN_DB))
        return rc;
    if (!systemMethods) {
        systemMethods = File->pMethods;
        unsharedMethods = *File->pMethods;
        unsharedMethods.xShmMap = ShmMap;
        unsharedMethods.xShmLock = ShmLock;
        unsharedMethods.xShmBarrier = ShmBarrier;
        unsharedMethods.xShmUnmap = ShmUnmap;
    }
    // Every other call goes to the system layer's own methods, which take
    // the file as that layer made it.
    if (File->pMethods == systemMethods)
        File->pMethods = &unsharedMethods;
    return rc;
}

}  // namespace

const char* UnsharedLogIndexVfs()
{
    static sqlite3_vfs vfs = [] {
        systemVfs = sqlite3_vfs_find(nullptr);
        sqlite3_vfs layer = *systemVfs;
        layer.zName = "tandril-unshared-log-index";
        layer.pNext = nullptr;
        layer.xOpen = Open;
        return layer;
    }();
    static const bool registered = sqlite3_vfs_register(&vfs, 0) == SQLITE_OK;
    return registered ? vfs.zName : nullptr;
}
