// Hooked command handlers, which see every command before and after the
// executor, and the translation of keys into commands.
#include <algorithm>

#include "editor/syn_custom_text.h"

void TCustomSynText::RegisterCommandHandler(const THookedCommandEvent& AHandlerProc, void* AHandlerData)
{
    if (!AHandlerProc)
        return;
    for (const auto& entry : hookedCommandHandlers_)
        if (entry->Event == AHandlerProc)
            return;
    hookedCommandHandlers_.push_back(
        std::make_unique<THookedCommandHandlerEntry>(THookedCommandHandlerEntry{AHandlerProc, AHandlerData}));
}

void TCustomSynText::UnregisterCommandHandler(const THookedCommandEvent& AHandlerProc)
{
    if (!AHandlerProc)
        return;
    for (auto it = hookedCommandHandlers_.rbegin(); it != hookedCommandHandlers_.rend(); ++it) {
        if ((*it)->Event == AHandlerProc) {
            hookedCommandHandlers_.erase(std::next(it).base());
            return;
        }
    }
}

void TCustomSynText::NotifyHookedCommandHandlers(bool AfterProcessing, TSynTextEditorCommand& Command, char& AChar,
                                                 void* Data)
{
    bool handled = false;
    // A handler may unregister itself or others while the list runs: the
    // index is checked against the current count before each call, and the
    // entry is copied so that freeing it cannot pull the handler away.
    for (size_t i = 0; i < hookedCommandHandlers_.size(); ++i) {
        const THookedCommandHandlerEntry entry = *hookedCommandHandlers_[i];
        entry.Event(this, AfterProcessing, handled, Command, AChar, Data, entry.Data);
    }
    if (handled)
        Command = ecNone;
}

TSynTextEditorCommand TCustomSynText::TranslateKeyCode(WORD Code, TShiftState Shift, void*& Data)
{
    Data = nullptr;
    return TranslateKey(*keystrokes_, Code, Shift, pendingKey_);
}
