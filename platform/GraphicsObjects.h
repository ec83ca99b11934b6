#pragma once
// Font, pen and brush: the three drawing tools of a canvas. Each tells its owner of a change.

#include "platform/Classes.h"
#include "platform/Colors.h"

#include <QFont>
#include <QString>

class TBitmap;

// Something whose changes others want to hear about.
class TGraphicsObject : public TPersistent {
public:
    TNotifyEvent OnChange;

protected:
    void Changed() {
        if (OnChange) OnChange(this);
    }
};

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };

class TFont : public TGraphicsObject {
public:
    TFont();
    TFont(const TFont& Other) { Assign(Other); }
    TFont& operator=(const TFont& Other) {
        Assign(Other);
        return *this;
    }
    void Assign(const TFont& Source);
    bool operator==(const TFont& O) const {
        return FName == O.FName && FHeight == O.FHeight && FColor == O.FColor &&
               FStyle == O.FStyle && FCharset == O.FCharset && FPitch == O.FPitch;
    }

    const QString& Name() const { return FName; }
    void SetName(const QString& Value);
    // Pixels: negative is the character height (the em size), positive the cell height.
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    // Points at 96 pixels per inch.
    int Size() const;
    void SetSize(int Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    int Charset() const { return FCharset; }
    void SetCharset(int Value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch Value);

    // The installed font that stands for this one.
    QFont ToQFont() const;
    // Pixels from one line of text to the next, as the canvas measures text.
    int LineHeight() const;

private:
    QString FName = "MS Sans Serif";
    int FHeight = -11;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
    int FCharset = 1;
    TFontPitch FPitch = TFontPitch::fpDefault;
};

// The installed family that stands for a font name of the original desktop.
QString MapFontFamily(const QString& Name);

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

class TPen : public TGraphicsObject {
public:
    TPen() = default;
    TPen(const TPen& O) { Assign(O); }
    TPen& operator=(const TPen& O) {
        Assign(O);
        return *this;
    }
    void Assign(const TPen& Source);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode Value);

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = TPenStyle::psSolid;
    TPenMode FMode = TPenMode::pmCopy;
};

enum class TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

class TBrush : public TGraphicsObject {
public:
    TBrush() = default;
    TBrush(const TBrush& O) { Assign(O); }
    TBrush& operator=(const TBrush& O) {
        Assign(O);
        return *this;
    }
    ~TBrush() override;
    void Assign(const TBrush& Source);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value);
    // A pattern bitmap; the brush does not own it.
    TBitmap* Bitmap() const { return FBitmap; }
    void SetBitmap(TBitmap* Value);

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = TBrushStyle::bsSolid;
    TBitmap* FBitmap = nullptr;
};
