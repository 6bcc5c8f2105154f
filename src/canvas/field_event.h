// What the pointer does on a drawing field, as the views take it: one stream
// of presses, moves and releases in scene units. A press or a release carries
// the role it plays, the left button's or the right button's (a mouse's
// buttons give it, a finger or a pen the view's touch roles below); a move
// carries every button held, or the role of the finger or pen that moves. The view answers each
// event with the pointer shapes it asks for.
#pragma once

#include "canvas/mouse_buttons.h"
#include "canvas/surface.h"

#include <QPointF>
#include <optional>

namespace canvas {

struct FieldEvent {
    enum class Phase { Press, Move, Release };
    Phase phase;
    MouseButtons buttons;
    QPointF at;

    static FieldEvent press(MouseButtons role, QPointF at) { return {Phase::Press, role, at}; }
    static FieldEvent move(MouseButtons held, QPointF at) { return {Phase::Move, held, at}; }
    static FieldEvent release(MouseButtons role, QPointF at)
    {
        return {Phase::Release, role, at};
    }
};

// The pointers an event asks for: the screen-wide one, which overrides every
// window's while a drag is on, and the field's own. Either may stay as it is.
struct PointerChange {
    std::optional<Pointer> screen = std::nullopt;
    std::optional<Pointer> field = std::nullopt;
};

// What a finger or a pen tip put down on a field does, as the view decides
// it: the part of the left or the right button. The view knows where P lies
// and what each half of its field is for; the field asks it.
class TouchRoles
{
public:
    virtual ~TouchRoles() = default;
    virtual MouseButtons touchRoleAt(QPointF scenePoint) const = 0;
};

}  // namespace canvas
