// An editor stores its key bindings with a form as the differences from a
// reference set: "RemovedKeystrokes", the reference bindings it lacks, and
// "AddedKeystrokes", the bindings it has beyond them. The reference set is
// the ancestor editor's bindings for an inherited form, else the default
// set. Reading applies both to the bindings the editor already holds (the
// defaults, from its constructor).
#pragma once

class TFiler;
class TSynTextKeyStrokes;

// Defines the two properties on Filer for an editor's DefineProperties.
// Keystrokes are the editor's bindings; AncestorKeystrokes the ancestor
// editor's, or nullptr when the stream has no ancestor. Both properties are
// written only when the bindings stream differently from the reference set.
void DefineKeystrokeProperties(TFiler* Filer, TSynTextKeyStrokes* Keystrokes, TSynTextKeyStrokes* AncestorKeystrokes);
