// A multiple-document parent with skinned children on the test skin, for
// the frame's multiple-document tests, golden pictures and benchmarks.
#pragma once

#include <string>
#include <vector>

#include "platform/base/geometry.h"

class TbsSkinData;
class TbsSkinForm;
class TCustomForm;

class TMDIScene {
public:
    // A shown 600 x 400 parent at (0, 0) with a frame on Data (plain
    // frames when Data is nullptr).
    explicit TMDIScene(TbsSkinData* Data);
    ~TMDIScene();
    TMDIScene(const TMDIScene&) = delete;
    TMDIScene& operator=(const TMDIScene&) = delete;

    // A shown child named Name with a frame, at Bounds in the client.
    TCustomForm* AddChild(const std::string& Name, const TRect& Bounds);
    // A child's frame.
    static TbsSkinForm* FrameOf(TCustomForm* Child);
    // The child left the scene (freed by the test).
    void Forget(TCustomForm* Child);

    TCustomForm* Parent = nullptr;
    TbsSkinForm* ParentFrame = nullptr;
    std::vector<TCustomForm*> Children;

private:
    TbsSkinData* data_;
};
