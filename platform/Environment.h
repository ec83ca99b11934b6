#pragma once
// The outside world as the program sees it: the clock, the mouse, the screen, the desktop's
// settings and the user's answers to message boxes. Everything goes through one replaceable
// object so that tests decide what the world looks like.

#include "platform/Types.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

// Message box flags and answers (the platform's numbers).
enum : unsigned {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_ABORTRETRYIGNORE = 0x02,
    MB_YESNOCANCEL = 0x03,
    MB_YESNO = 0x04,
    MB_RETRYCANCEL = 0x05,
    MB_ICONHAND = 0x10,
    MB_ICONSTOP = 0x10,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = 0x30,
    MB_ICONASTERISK = 0x40,
    MB_ICONINFORMATION = 0x40,
    MB_DEFBUTTON2 = 0x100,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

struct TMessageBoxRequest {
    QWidget* Owner = nullptr;
    QString Text;
    QString Caption;
    unsigned Flags = 0;
};

class TEnvironment {
public:
    virtual ~TEnvironment() = default;

    // Local date and time as the platform's date-time (whole part = day, day 0 = 1899-12-30).
    virtual double Now() const;
    virtual TPoint CursorPos() const;
    virtual TRect WorkArea() const;
    virtual TSize ScreenSize() const;
    virtual int DoubleClickTime() const;
    // One classic desktop colour table, indexed by the system colour index; 0x00BBGGRR.
    virtual uint32_t SysColor(int Index) const;
    virtual bool FullWindowDrag() const;
    virtual int DisplayDepth() const;
    virtual bool LayeredWindows() const;
    // Keys held down right now: bit 0 Shift, bit 1 Ctrl, bit 2 Alt.
    virtual unsigned KeyModifiers() const;
    // Shows a modal message box and returns the button pressed (IDOK, IDYES, ...).
    virtual int MessageBox(const TMessageBoxRequest& Request);
    virtual void Beep();
    // The program's own absolute path.
    virtual QString ProgramPath() const;
};

TEnvironment& Env();
// Installs a new environment (tests); passing nullptr goes back to the real one.
void SetEnvironment(std::unique_ptr<TEnvironment> Environment);

// The classic colour of a system colour index, whatever the environment.
uint32_t ClassicSysColor(int Index);

// An environment whose every answer is set by the test: a fixed clock, a cursor that stays
// where it is put, message boxes answered by a handler and counted, beeps counted.
class TScriptedEnvironment : public TEnvironment {
public:
    double Today = 46358.0; // 2026-12-02
    double TimeOfDay = 0.0;
    TPoint Cursor{};
    TRect Work{0, 0, 1024, 738};
    TSize Screen{1024, 768};
    int DoubleClick = 500;
    bool FullDrag = true;
    int Depth = 32;
    bool Layered = true;
    unsigned Modifiers = 0;
    int Beeps = 0;
    std::vector<TMessageBoxRequest> Boxes;
    std::function<int(const TMessageBoxRequest&)> Answer;

    double Now() const override { return Today + TimeOfDay; }
    TPoint CursorPos() const override { return Cursor; }
    TRect WorkArea() const override { return Work; }
    TSize ScreenSize() const override { return Screen; }
    int DoubleClickTime() const override { return DoubleClick; }
    bool FullWindowDrag() const override { return FullDrag; }
    int DisplayDepth() const override { return Depth; }
    bool LayeredWindows() const override { return Layered; }
    unsigned KeyModifiers() const override { return Modifiers; }
    QString Program;
    int MessageBox(const TMessageBoxRequest& Request) override;
    void Beep() override { ++Beeps; }
    QString ProgramPath() const override {
        return Program.isEmpty() ? TEnvironment::ProgramPath() : Program;
    }
};
