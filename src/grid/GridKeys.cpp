#include "grid/GridKeys.h"

#include <QChar>

#include <utility>

namespace grid {

namespace {

// Keys whose code does not follow from a range.
constexpr std::pair<int, qint16> FixedKeys[] = {
    {Qt::Key_Backspace, VirtualKey::Back},   {Qt::Key_Tab, VirtualKey::Tab},
    {Qt::Key_Backtab, VirtualKey::Tab},      {Qt::Key_Clear, 12},
    {Qt::Key_Return, VirtualKey::Return},    {Qt::Key_Enter, VirtualKey::Return},
    {Qt::Key_Shift, VirtualKey::Shift},      {Qt::Key_Control, VirtualKey::Control},
    {Qt::Key_Alt, VirtualKey::Menu},         {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},                  {Qt::Key_Escape, VirtualKey::Escape},
    {Qt::Key_Space, VirtualKey::Space},      {Qt::Key_PageUp, VirtualKey::Prior},
    {Qt::Key_PageDown, VirtualKey::Next},    {Qt::Key_End, VirtualKey::End},
    {Qt::Key_Home, VirtualKey::Home},        {Qt::Key_Left, VirtualKey::Left},
    {Qt::Key_Up, VirtualKey::Up},            {Qt::Key_Right, VirtualKey::Right},
    {Qt::Key_Down, VirtualKey::Down},        {Qt::Key_Print, 44},
    {Qt::Key_Insert, VirtualKey::Insert},    {Qt::Key_Delete, VirtualKey::Delete},
    {Qt::Key_Meta, 91},                      {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},                  {Qt::Key_ScrollLock, 145},
    // The punctuation keys of a US layout, unshifted and shifted.
    {Qt::Key_Semicolon, 186},                {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},                    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},                    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},                    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},                   {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},                    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},                {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},              {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},                {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},             {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},               {Qt::Key_QuoteDbl, 222},
    // The shifted digits of a US layout.
    {Qt::Key_Exclam, '1'},                   {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},               {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},                  {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},                {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},                {Qt::Key_ParenRight, '0'},
};

// The keypad's own codes: digits 96..105, then * + separator - . /.
qint16 keypadKey(int Key)
{
    if (Key >= Qt::Key_0 && Key <= Qt::Key_9)
        return qint16(96 + (Key - Qt::Key_0));
    switch (Key) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: return 110;
    case Qt::Key_Comma: return 110;
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

} // namespace

qint16 VirtualKeyFromQt(int Key, Qt::KeyboardModifiers Modifiers)
{
    if (Modifiers.testFlag(Qt::KeypadModifier)) {
        if (const qint16 code = keypadKey(Key))
            return code;
    }
    if ((Key >= Qt::Key_A && Key <= Qt::Key_Z) || (Key >= Qt::Key_0 && Key <= Qt::Key_9))
        return qint16(Key);
    if (Key >= Qt::Key_F1 && Key <= Qt::Key_F24)
        return qint16(112 + (Key - Qt::Key_F1));
    for (const auto& [qtKey, code] : FixedKeys) {
        if (qtKey == Key)
            return code;
    }
    return 0;
}

qint16 ShiftFromModifiers(Qt::KeyboardModifiers Modifiers)
{
    qint16 shift = 0;
    if (Modifiers.testFlag(Qt::ShiftModifier))
        shift |= ShiftMask::Shift;
    if (Modifiers.testFlag(Qt::ControlModifier))
        shift |= ShiftMask::Ctrl;
    if (Modifiers.testFlag(Qt::AltModifier))
        shift |= ShiftMask::Alt;
    return shift;
}

qint16 KeyAsciiFromQt(int Key, Qt::KeyboardModifiers Modifiers, const QString& Text)
{
    const bool ctrlOnly = Modifiers.testFlag(Qt::ControlModifier) && !Modifiers.testFlag(Qt::AltModifier);
    if (ctrlOnly && Key >= Qt::Key_A && Key <= Qt::Key_Z)
        return qint16(Key - Qt::Key_A + 1);
    if (!Text.isEmpty())
        return qint16(Text.at(0).unicode());
    switch (Key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VirtualKey::Return;
    case Qt::Key_Escape: return VirtualKey::Escape;
    case Qt::Key_Backspace: return VirtualKey::Back;
    case Qt::Key_Tab: return VirtualKey::Tab;
    default: return 0;
    }
}

bool IsCharAlphaNumeric(qint16 KeyAscii) { return QChar(char16_t(quint16(KeyAscii))).isLetterOrNumber(); }

} // namespace grid
