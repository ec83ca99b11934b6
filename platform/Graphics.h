#pragma once
// Pictures: bitmaps (with a canvas and raw scan lines), JPEG images, icons, and the picture
// holder that owns whichever of them a control shows.

#include "platform/Canvas.h"
#include "platform/SysUtils.h"

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <memory>

struct EInvalidGraphic : Exception {
    using Exception::Exception;
};
struct EInvalidGraphicOperation : Exception {
    using Exception::Exception;
};
// Stream errors: a file that cannot be opened or created, stored data that cannot be read.
struct EFOpenError : Exception {
    using Exception::Exception;
};
struct EFCreateError : Exception {
    using Exception::Exception;
};
struct EReadError : Exception {
    using Exception::Exception;
};

enum class TPixelFormat {
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit,
    pfCustom
};
enum class TTransparentMode { tmAuto, tmFixed };

class TGraphic : public TPersistent {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() == 0 || Height() == 0; }
    virtual const char* ClassName() const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
    // The pixels as drawn: transparent pixels carry alpha 0.
    virtual QImage DrawingImage() const = 0;
    // Loads a whole file's bytes (BMP, JPEG, PNG or ICO as the class reads them).
    virtual void LoadFromData(const QByteArray& Data) = 0;
    virtual QByteArray SaveToData() const = 0;
    void LoadFromFile(const QString& FileName);
    void SaveToFile(const QString& FileName) const;

    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);

    TNotifyEvent OnChange;

protected:
    void Changed() {
        if (OnChange) OnChange(this);
    }
    bool FTransparent = false;
};

class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(const TBitmap& Other);
    TBitmap& operator=(const TBitmap& Other);
    ~TBitmap() override;

    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    void SetWidth(int Value) { SetSize(Value, Height()); }
    void SetHeight(int Value) { SetSize(Width(), Value); }
    // Keeps the pixels that still fit; new pixels are black.
    void SetSize(int W, int H);
    const char* ClassName() const override { return "TBitmap"; }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TBitmap>(*this); }
    QImage DrawingImage() const override;
    void LoadFromData(const QByteArray& Data) override;
    QByteArray SaveToData() const override;
    void Assign(const TGraphic& Source);

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat Value);
    TCanvas* Canvas() { return &FCanvas; }
    // Raw pixels of row Y: 3 bytes (B, G, R) per pixel at 24 bits, 4 (B, G, R, X) otherwise.
    uchar* ScanLine(int Y);
    const uchar* ScanLine(int Y) const;

    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode Value);
    // In automatic mode the colour of the bottom-left pixel.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor Value);

    const QImage& Image() const { return FImage; }
    void SetImage(const QImage& Image);
    void Dormant() {}
    void FreeImage() {}

private:
    void Rebind();
    QImage FImage;
    TCanvas FCanvas;
    TPixelFormat FPixelFormat = TPixelFormat::pfDevice;
    TTransparentMode FTransparentMode = TTransparentMode::tmAuto;
    TColor FTransparentColor = clDefault;
};

// Keeps the compressed data and decodes it when first drawn, so that pictures of views not
// yet shown cost only their file size.
class TJPEGImage : public TGraphic {
public:
    int Width() const override { return FSize.width(); }
    int Height() const override { return FSize.height(); }
    const char* ClassName() const override { return "TJPEGImage"; }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TJPEGImage>(*this); }
    QImage DrawingImage() const override { return Image(); }
    void LoadFromData(const QByteArray& Data) override;
    QByteArray SaveToData() const override { return FData; }
    const QImage& Image() const;

private:
    mutable QImage FImage;
    QByteArray FData;
    QSize FSize;
};

class TIcon : public TGraphic {
public:
    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    const char* ClassName() const override { return "TIcon"; }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TIcon>(*this); }
    QImage DrawingImage() const override { return FImage; }
    void LoadFromData(const QByteArray& Data) override;
    QByteArray SaveToData() const override;
    QIcon ToQIcon() const { return QIcon(QPixmap::fromImage(FImage)); }

private:
    QImage FImage;
};

// Holds one graphic of any class and tells its owner when it changes.
class TPicture : public TPersistent {
public:
    TPicture() = default;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    TGraphic* Graphic() const { return FGraphic.get(); }
    // Copies the graphic (nullptr clears the picture).
    void SetGraphic(const TGraphic* Value);
    // The picture as a bitmap; a picture holding another class is replaced by an empty bitmap.
    TBitmap* Bitmap();
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }
    void Assign(const TPicture& Source) { SetGraphic(Source.Graphic()); }
    // The class is chosen by the file's extension (.bmp, .jpg/.jpeg, .ico, .png).
    void LoadFromFile(const QString& FileName);
    // The stored form of a picture property: a length-prefixed class name, then the graphic's
    // own stream (for bitmaps and JPEG images a 32-bit little-endian size and the file bytes).
    void ReadData(const QByteArray& Data);
    QByteArray WriteData() const;

    TNotifyEvent OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }
    void Adopt(std::unique_ptr<TGraphic> G);
    std::unique_ptr<TGraphic> FGraphic;
};

std::unique_ptr<TGraphic> CreateGraphicByClassName(const QString& ClassName);
