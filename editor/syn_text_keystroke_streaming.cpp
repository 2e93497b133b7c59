#include "editor/syn_text_keystroke_streaming.h"

#include "editor/syn_text_keystrokes.h"
#include "platform/base/component.h"
#include "platform/base/filer.h"

namespace {

bool SameBinding(const TSynTextKeyStroke* a, const TSynTextKeyStroke* b)
{
    return a->ShortCut() == b->ShortCut() && a->ShortCut2() == b->ShortCut2() && a->Command == b->Command;
}

// The index of the binding of Keystrokes with the shortcuts of Item when it
// also runs Item's command; -1 otherwise.
int FindSameCommand(const TSynTextKeyStrokes& keystrokes, const TSynTextKeyStroke* item)
{
    int i = keystrokes.FindShortCutPair(item->ShortCut(), item->ShortCut2());
    return i >= 0 && keystrokes.Items(i)->Command == item->Command ? i : -1;
}

void WriteRemoved(TWriter* writer, const TSynTextKeyStrokes& keystrokes, TSynTextKeyStrokes& reference)
{
    TSynTextKeyStrokes removed(nullptr);
    removed.Assign(&reference);
    for (int i = 0; i < removed.Count();) {
        if (FindSameCommand(keystrokes, removed.Items(i)) >= 0)
            removed.Delete(i);
        else
            ++i;
    }
    writer->WriteCollection(&removed);
}

void WriteAdded(TWriter* writer, const TSynTextKeyStrokes& keystrokes, const TSynTextKeyStrokes& reference)
{
    TSynTextKeyStrokes added(nullptr);
    for (int i = 0; i < keystrokes.Count(); ++i) {
        TSynTextKeyStroke* item = keystrokes.Items(i);
        bool known = false;
        for (int j = 0; j < reference.Count() && !known; ++j)
            known = SameBinding(reference.Items(j), item);
        if (!known)
            added.Add()->Assign(item);
    }
    writer->WriteCollection(&added);
}

// Any other kind of value is left to the reader, which steps over it.
void ReadRemoved(TReader* reader, TSynTextKeyStrokes& keystrokes)
{
    if (reader->NextValue() != vaCollection)
        return;
    TSynTextKeyStrokes removed(nullptr);
    reader->ReadCollection(&removed);
    for (int i = 0; i < removed.Count(); ++i) {
        int found = FindSameCommand(keystrokes, removed.Items(i));
        if (found >= 0)
            keystrokes.Delete(found);
    }
}

void ReadAdded(TReader* reader, TSynTextKeyStrokes& keystrokes)
{
    if (reader->NextValue() != vaCollection)
        return;
    TSynTextKeyStrokes added(dynamic_cast<TComponent*>(keystrokes.Owner()));
    reader->ReadCollection(&added);
    for (int i = 0; i < added.Count(); ++i)
        keystrokes.Add()->Assign(added.Items(i));
}

}  // namespace

void DefineKeystrokeProperties(TFiler* Filer, TSynTextKeyStrokes* Keystrokes, TSynTextKeyStrokes* AncestorKeystrokes)
{
    TSynTextKeyStrokes defaults(nullptr);
    TSynTextKeyStrokes* reference = AncestorKeystrokes;
    if (!reference) {
        defaults.ResetToDefaults();
        reference = &defaults;
    }
    bool differs = !CollectionsEqual(Keystrokes, reference);
    Filer->DefineProperty(
        "RemovedKeystrokes", TReaderProc::FromCallable([Keystrokes](TReader* r) { ReadRemoved(r, *Keystrokes); }),
        TWriterProc::FromCallable([Keystrokes, reference](TWriter* w) { WriteRemoved(w, *Keystrokes, *reference); }),
        differs);
    Filer->DefineProperty(
        "AddedKeystrokes", TReaderProc::FromCallable([Keystrokes](TReader* r) { ReadAdded(r, *Keystrokes); }),
        TWriterProc::FromCallable([Keystrokes, reference](TWriter* w) { WriteAdded(w, *Keystrokes, *reference); }),
        differs);
}
