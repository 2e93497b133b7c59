// A shown top-level window holding editors, on the headless back end, and
// the message pump the tests drive input through.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "editor/syn_memo.h"
#include "platform/ui/kernel/win_control.h"

class TEditorHost : public TWinControl {
public:
    TEditorHost();

protected:
    bool TopLevel() const override { return true; }
    void CreateParams(TCreateParams& Params) override;
};

class TEditorViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;
    static void Pump();
    // A memo of the given client size in pixels on the shown host.
    TSynMemo* AddMemo(int Left, int Width, int Height);

    std::unique_ptr<TEditorHost> host_;
};
