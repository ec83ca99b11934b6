#include "platform/Mask.h"

#include <QLineEdit>
#include <utility>

namespace {

// The short date format's separator ("yyyy-MM-dd") and the time separator.
constexpr QChar kDateSeparator = '-';
constexpr QChar kTimeSeparator = ':';

bool QtMaskSpecial(QChar C) {
    return QStringLiteral("AaNnXx90Dd#HhBb><![]{}\\;").contains(C);
}

// The Qt mask character of one of the platform's place characters, or a null QChar.
QChar QtPlaceChar(QChar C) {
    // Platform: 0 digit required, 9 digit optional, # digit or sign, L/l letter, A/a letter or
    // digit, C/c any character (upper case required, lower case optional).
    static constexpr std::pair<char16_t, char16_t> kPlaces[] = {{'0', '9'}, {'9', '0'}, {'#', '#'},
                                                                {'L', 'A'}, {'l', 'a'}, {'A', 'N'},
                                                                {'a', 'n'}, {'C', 'X'}, {'c', 'x'}};
    for (const auto& [platform, qt] : kPlaces)
        if (C == QChar(platform)) return QChar(qt);
    return QChar();
}

} // namespace

TEditMaskInfo TranslateEditMask(const QString& Mask) {
    TEditMaskInfo info;
    // The fields after the mask: save-literals flag and blank character.
    QString mask = Mask;
    const QStringList fields = Mask.split(';');
    if (fields.size() >= 2) {
        mask = fields[0];
        info.SaveLiterals = fields[1].trimmed() != "0";
        if (fields.size() >= 3 && !fields[2].isEmpty()) info.Blank = fields[2][0];
    }
    QString out;
    auto place = [&](QChar qt) {
        out += qt;
        info.Literal.push_back(false);
    };
    auto literal = [&](QChar c) {
        if (QtMaskSpecial(c)) out += '\\';
        out += c;
        info.Literal.push_back(true);
    };
    for (int i = 0; i < mask.size(); ++i) {
        const QChar c = mask[i];
        if (const QChar qt = QtPlaceChar(c); !qt.isNull()) {
            place(qt);
            continue;
        }
        switch (c.unicode()) {
        case '!':
            break;
        case '>':
            if (i + 1 < mask.size() && mask[i + 1] == '<') {
                out += '!';
                ++i;
            } else {
                out += '>';
            }
            break;
        case '<':
            out += '<';
            break;
        case '\\':
            if (i + 1 < mask.size()) literal(mask[++i]);
            break;
        case '/':
            literal(kDateSeparator);
            break;
        case ':':
            literal(kTimeSeparator);
            break;
        case '_':
            literal(' ');
            break;
        default:
            literal(c);
            break;
        }
    }
    info.QtMask = out.isEmpty() ? QString() : out + ';' + info.Blank;
    return info;
}

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomMaskEdit::SetEditMask(const QString& Value) {
    FEditMask = Value;
    FInfo = TranslateEditMask(Value);
    // Without a widget yet the mask waits for it (CreateWnd).
    if (HandleAllocated()) Edit()->setInputMask(FInfo.QtMask);
}

void TCustomMaskEdit::CreateWnd() {
    TCustomEdit::CreateWnd();
    if (FInfo.QtMask.isEmpty()) return;
    const QSignalBlocker quiet(Edit());
    Edit()->setInputMask(FInfo.QtMask);
}

QString TCustomMaskEdit::EditText() const {
    return Edit()->displayText();
}

bool TCustomMaskEdit::IsComplete() const {
    return Edit()->hasAcceptableInput();
}

QString TCustomMaskEdit::GetText() const {
    if (!IsMasked()) return TCustomEdit::GetText();
    const QString shown = Edit()->displayText();
    QString text;
    for (int i = 0; i < shown.size(); ++i) {
        const bool literal = i < int(FInfo.Literal.size()) && FInfo.Literal[i];
        if (literal) {
            if (FInfo.SaveLiterals) text += shown[i];
        } else {
            text += shown[i] == FInfo.Blank ? QChar(' ') : shown[i];
        }
    }
    return text;
}

void TCustomMaskEdit::SetTextValue(const QString& Value) {
    if (!IsMasked()) return TCustomEdit::SetTextValue(Value);
    // Blanks in input places stand for empty places.
    QString value = Value;
    for (int i = 0; i < value.size() && i < int(FInfo.Literal.size()); ++i)
        if (!FInfo.Literal[i] && value[i] == ' ') value[i] = FInfo.Blank;
    Edit()->setText(value);
}
