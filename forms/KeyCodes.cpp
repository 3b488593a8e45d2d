#include "forms/KeyCodes.h"

namespace forms {

int windowsKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 65 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return (modifiers & Qt::KeypadModifier) ? 96 + (qtKey - Qt::Key_0) : 48 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Asterisk:
        return (modifiers & Qt::KeypadModifier) ? 106 : 0;
    case Qt::Key_Plus:
        return (modifiers & Qt::KeypadModifier) ? 107 : 187;
    case Qt::Key_Minus:
        return (modifiers & Qt::KeypadModifier) ? 109 : 189;
    case Qt::Key_Slash:
        return (modifiers & Qt::KeypadModifier) ? 111 : 191;
    case Qt::Key_Period:
        return (modifiers & Qt::KeypadModifier) ? 110 : 190;
    case Qt::Key_Comma:
        return 188;
    default:
        return 0;
    }
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    return ((modifiers & Qt::ShiftModifier) ? 1 : 0) + ((modifiers & Qt::ControlModifier) ? 2 : 0) +
           ((modifiers & Qt::AltModifier) ? 4 : 0);
}

} // namespace forms
