#pragma once
// The masked edit: a line edit whose input follows an edit mask in the platform's syntax
// ("mask;save literals;blank", e.g. "!9999/99/00;1;_"), translated to Qt's input mask.

#include "platform/StdCtrls.h"

#include <vector>

struct TEditMaskInfo {
    QString QtMask;            // Qt's input mask, blank character included
    std::vector<bool> Literal; // per position: a literal rather than an input place
    bool SaveLiterals = true;
    QChar Blank = '_';
};
// Mask characters: 0 digit, 9 optional digit, # optional digit or sign, L/l letter, A/a letter
// or digit, C/c any character (lower case: optional), > upper case, < lower case, <> no case,
// \ literal next, / date separator, : time separator, _ a blank; ! (optional places stored as
// leading blanks) is accepted and has no effect on input.
TEditMaskInfo TranslateEditMask(const QString& Mask);

class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* AOwner);

    const QString& EditMask() const { return FEditMask; }
    void SetEditMask(const QString& Value);
    bool IsMasked() const { return !FEditMask.isEmpty(); }
    // The text as shown, the blank character in empty places.
    QString EditText() const;
    // Every required place is filled.
    bool IsComplete() const;

protected:
    // With a mask: literals included when the mask saves them, empty places as blanks.
    QString GetText() const override;
    void SetTextValue(const QString& Value) override;
    void CreateWnd() override;

private:
    QString FEditMask;
    TEditMaskInfo FInfo;
};

class TMaskEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;
};
