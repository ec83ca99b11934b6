// The INI text of the stored skin: which piece of which picture draws what.
#include "SkinKit.h"

#include <QColor>
#include <QStringList>

namespace pictures {

namespace {

enum {
    Controls = 0,
    Popup = 1,
    Parts = 2,
    Hint = 3,
    Button = 4,
    Big = 5,
    PopupMask = 6,
    HintMask = 7
};

QString Colour(int R, int G, int B) {
    return QString::number(R | (G << 8) | (B << 16));
}
const QString kInk = Colour(40, 46, 54);
const QString kGreyText = Colour(140, 148, 156);
const QString kWhite = Colour(255, 255, 255);
const QString kFocusText = Colour(74, 120, 168);

class IniText {
public:
    void Section(const QString& Name) {
        if (!FLines.isEmpty()) FLines.append(QString());
        FLines.append(u'[' + Name + u']');
    }
    void Key(const QString& Key, const QString& Value) { FLines.append(Key + u'=' + Value); }
    void Key(const QString& Key, int Value) { this->Key(Key, QString::number(Value)); }
    QString Text() const { return FLines.join(u'\n') + u'\n'; }

    void Font(const QString& Prefix = QStringLiteral("font"), const QString& Colour = kInk,
              const QString& Style = QString()) {
        Key(Prefix + "name", QStringLiteral("Arial"));
        Key(Prefix + "height", 14);
        Key(Prefix + "style", Style);
        Key(Prefix + "color", Colour);
    }
    void Points(QPoint LT, QPoint RT, QPoint LB, QPoint RB) {
        Key("lefttoppoint", Point(LT));
        Key("righttoppoint", Point(RT));
        Key("leftbottompoint", Point(LB));
        Key("rightbottompoint", Point(RB));
    }
    static QString Point(QPoint P) { return QStringLiteral("%1,%2").arg(P.x()).arg(P.y()); }
    static QString Rect(int L, int T, int R, int B) {
        return QStringLiteral("%1,%2,%3,%4").arg(L).arg(T).arg(R).arg(B);
    }

private:
    QStringList FLines;
};

// The keys every control section has, then anchors at Border pixels from the piece's edges:
// Mode "both" sizes either way, "h" only the width, "v" only the height.
void ResizeControl(IniText& I, int Picture, const char* Piece, int Border, char Mode,
                   int Mask = -1) {
    const QRect r = PieceRect(Piece);
    const int w = r.width(), h = r.height(), b = Border;
    I.Key("pictureindex", Picture);
    I.Key("maskpictureindex", Mask);
    I.Key("cursorindex", -1);
    I.Key("skinrect", PieceText(Piece));
    const QPoint lt(b, b), rt = Mode == 'v' ? QPoint() : QPoint(w - b, b);
    const QPoint lb = Mode == 'h' ? QPoint() : QPoint(b, h - b);
    const QPoint rb = Mode == 'b' ? QPoint(w - b, h - b) : QPoint();
    I.Points(lt, rt, lb, rb);
    I.Key("clientrect", IniText::Rect(b, b, w - b, h - b));
}

void SixButtons(IniText& I, const char* Up, const char* Down) {
    const QString up = QLatin1String(Up), down = QLatin1String(Down);
    auto rect = [](const QString& n) { return PieceText(n.toLatin1().constData()); };
    I.Key("upbuttonrect", rect(up));
    I.Key("activeupbuttonrect", rect(up + ".active"));
    I.Key("downupbuttonrect", rect(up + ".down"));
    I.Key("downbuttonrect", rect(down));
    I.Key("activedownbuttonrect", rect(down + ".active"));
    I.Key("downdownbuttonrect", rect(down + ".down"));
}

void ButtonControl(IniText& I, int Picture, const char* Piece, int Border, char Mode) {
    ResizeControl(I, Picture, Piece, Border, Mode);
    const QByteArray p(Piece);
    I.Font();
    I.Key("activefontcolor", kInk);
    I.Key("downfontcolor", kInk);
    I.Key("morphing", 1);
    I.Key("morphkind", "mkdefault");
    I.Key("activeskinrect", PieceText(p + ".active"));
    I.Key("downskinrect", PieceText(p + ".down"));
}

void MenuButtonControl(IniText& I, const char* Piece, int Border) {
    ButtonControl(I, Big, Piece, Border, 'b');
    const QRect r = PieceRect(Piece);
    I.Key("trackbuttonrect",
          IniText::Rect(r.right() + 1 - 10, r.top(), r.right() + 1, r.bottom() + 1));
}

void PanelControl(IniText& I, const char* Piece, bool Caption) {
    ResizeControl(I, Big, Piece, Caption ? 18 : 3, 'b');
    const QRect r = PieceRect(Piece);
    I.Key("captionrect",
          Caption ? IniText::Rect(3, 1, r.width() - 3, 17) : QStringLiteral("0,0,0,0"));
    I.Key("rollupmarkerrect", Caption ? PieceText("rollupmarker") : QStringLiteral("0,0,0,0"));
    I.Key("restoremarkerrect", Caption ? PieceText("restoremarker") : QStringLiteral("0,0,0,0"));
    I.Key("alignment", Caption ? "taleftjustify" : "tacenter");
    I.Font(QStringLiteral("font"), Caption ? kWhite : kInk);
}

void ListBox(IniText& I, const char* Piece, bool Caption, bool Checks) {
    ResizeControl(I, Big, Piece, Caption ? 18 : 3, 'b');
    I.Key("itemrect", PieceText("listitem"));
    I.Key("activeitemrect", PieceText("listitem.active"));
    I.Key("focusitemrect", PieceText("listitem.focus"));
    I.Key("itemleftoffset", 3);
    I.Key("itemrightoffset", 3);
    I.Key("itemtextrect", "4,1,56,15");
    I.Font();
    I.Key("activefontcolor", kInk);
    I.Key("focusfontcolor", kWhite);
    I.Key("captionrect", Caption ? QStringLiteral("3,1,57,17") : QStringLiteral("0,0,0,0"));
    I.Font(QStringLiteral("captionfont"), kWhite, QStringLiteral("fsbold"));
    SixButtons(I, "listup", "listdown");
    I.Key("checkbuttonrect", PieceText("listcheck"));
    I.Key("activecheckbuttonrect", PieceText("listcheck.active"));
    I.Key("downcheckbuttonrect", PieceText("listcheck.down"));
    I.Key("scrollbarname", "vscrollbar");
    if (!Checks) return;
    I.Key("checkimagerect", PieceText("listcheckmark"));
    I.Key("itemcheckrect", "2,1,15,14");
    I.Key("uncheckimagerect", PieceText("listuncheckmark"));
}

void ComboBox(IniText& I, const char* Piece, bool Caption) {
    ResizeControl(I, Big, Piece, Caption ? 18 : 3, Caption ? 'b' : 'h');
    I.Key("itemrect", PieceText("comboitem"));
    I.Key("focusitemrect", PieceText("comboitem.focus"));
    I.Key("itemleftoffset", 3);
    I.Key("itemrightoffset", 3);
    I.Key("itemtextrect", "4,1,56,15");
    I.Font();
    I.Key("focusfontcolor", kWhite);
    I.Key("buttonrect", PieceText("combobutton"));
    I.Key("activebuttonrect", PieceText("combobutton.active"));
    I.Key("downbuttonrect", PieceText("combobutton.down"));
    I.Key("listboxname", "listbox");
}

void ScrollBar(IniText& I, bool Vertical) {
    const char* track = Vertical ? "vscrolltrack" : "hscrolltrack";
    ResizeControl(I, Controls, track, 2, Vertical ? 'v' : 'h');
    const QRect t = PieceRect(track);
    I.Key("trackarea", Vertical ? IniText::Rect(0, 16, t.width(), t.height() - 16)
                                : IniText::Rect(16, 0, t.width() - 16, t.height()));
    SixButtons(I, Vertical ? "arrowup" : "arrowleft", Vertical ? "arrowdown" : "arrowright");
    const QByteArray thumb = Vertical ? "vscrollthumb" : "hscrollthumb";
    I.Key("thumbrect", PieceText(thumb));
    I.Key("activethumbrect", PieceText(thumb + ".active"));
    I.Key("downthumbrect", PieceText(thumb + ".down"));
    I.Key("thumboffset1", 4);
    I.Key("thumboffset2", 4);
}

void Edit(IniText& I, const char* Piece, bool Memo) {
    ResizeControl(I, Big, Piece, 3, Memo ? 'b' : 'h');
    I.Key("activeskinrect", PieceText(QByteArray(Piece) + ".active"));
    I.Font();
    I.Key("activefontcolor", kInk);
    I.Key("buttonrect", PieceText("editbutton"));
    I.Key("activebuttonrect", PieceText("editbutton.active"));
    I.Key("downbuttonrect", PieceText("editbutton.down"));
    if (!Memo) return;
    I.Key("bgcolor", kWhite);
    I.Key("activebgcolor", kWhite);
}

void CheckRadio(IniText& I, bool Radio) {
    ResizeControl(I, Controls, "checkradio", 2, 'h');
    I.Font();
    I.Key("activefontcolor", kFocusText);
    I.Key("morphing", 0);
    I.Key("morphkind", "mkdefault");
    I.Key("activeskinrect", PieceText("checkradio.active"));
    I.Key("checkimagearea", "2,3,15,16");
    I.Key("textarea", "18,0,63,20");
    I.Key("checkimagerect", PieceText(Radio ? "radiomark" : "checkmark"));
    I.Key("uncheckimagerect", PieceText(Radio ? "unradiomark" : "uncheckmark"));
}

void Gauge(IniText& I, bool Vertical) {
    const char* frame = Vertical ? "vgauge" : "gauge";
    ResizeControl(I, Vertical ? Big : Parts, frame, 2, Vertical ? 'v' : 'h');
    const QRect r = PieceRect(frame);
    I.Key("progressarea", IniText::Rect(2, 2, r.width() - 2, r.height() - 2));
    I.Key("progressrect", PieceText(Vertical ? "vgaugeprogress" : "gaugeprogress"));
    I.Key("beginoffset", 2);
    I.Key("endoffset", 2);
    I.Key("vertical", Vertical ? 1 : 0);
    I.Font();
}

void TrackBar(IniText& I, bool Vertical) {
    const char* track = Vertical ? "vtrack" : "htrack";
    ResizeControl(I, Vertical ? Big : Parts, track, 3, Vertical ? 'v' : 'h');
    const QRect r = PieceRect(track);
    I.Key("trackarea", IniText::Rect(0, 0, r.width(), r.height()));
    const QByteArray thumb = Vertical ? "vthumb" : "hthumb";
    I.Key("buttonrect", PieceText(thumb));
    I.Key("activebuttonrect", PieceText(thumb + ".active"));
    I.Key("vertical", Vertical ? 1 : 0);
}

void Tab(IniText& I) {
    I.Key("pictureindex", Parts);
    I.Key("maskpictureindex", -1);
    I.Key("cursorindex", -1);
    I.Key("skinrect", PieceText("tabpage"));
    I.Key("tabrect", PieceText("tab"));
    I.Key("activetabrect", PieceText("tab.active"));
    I.Key("focustabrect", PieceText("tab.focus"));
    I.Key("clientrect", "3,3,65,37");
    I.Points({3, 3}, {65, 3}, {3, 37}, {65, 37});
    I.Key("tableftoffset", 4);
    I.Key("tabrightoffset", 4);
    I.Key("tabsbgrect", PieceText("tabsbg"));
    I.Font();
    I.Key("activefontcolor", kInk);
    I.Key("focusfontcolor", kFocusText);
    I.Key("updown", "hupdown");
}

void Grid(IniText& I) {
    I.Key("pictureindex", Big);
    I.Key("maskpictureindex", -1);
    I.Key("cursorindex", -1);
    I.Key("skinrect", "0,0,0,0");
    I.Key("fixedcellrect", PieceText("gridfixed"));
    I.Key("selectcellrect", PieceText("gridselect"));
    I.Key("focuscellrect", PieceText("gridfocus"));
    I.Key("fixedcellleftoffset", 3);
    I.Key("fixedcellrightoffset", 3);
    I.Key("fixedcelltextrect", "3,1,37,17");
    I.Key("cellleftoffset", 2);
    I.Key("cellrightoffset", 2);
    I.Key("celltextrect", "3,1,37,17");
    I.Key("linescolor", Colour(184, 194, 204));
    I.Key("bgcolor", kWhite);
    I.Key("bgpictureindex", -1);
    I.Font();
    I.Key("selectfontcolor", kInk);
    I.Key("focusfontcolor", kInk);
    I.Font(QStringLiteral("fixedfont"));
}

void MainMenuBar(IniText& I) {
    I.Key("pictureindex", Big);
    I.Key("maskpictureindex", -1);
    I.Key("cursorindex", -1);
    I.Key("skinrect", PieceText("mainmenubar"));
    I.Key("itemsrect", "2,0,118,20");
    I.Key("menubaritem", "mainmenubaritem");
    I.Key("closebutton", "menubarclosebutton");
    I.Key("minbutton", "menubarminbutton");
    I.Key("maxbutton", "menubarmaxbutton");
    I.Key("sysmenubutton", "menubarsysmenubutton");
    I.Key("trackmarkcolor", Colour(136, 148, 160));
    I.Key("trackmarkactivecolor", kFocusText);
}

struct ControlEntry {
    const char* Name;
    const char* Kind;
    void (*Keys)(IniText&);
};

const ControlEntry kControls[] = {
    {"button", "button",
     [](IniText& I) {
         // Only the width follows the control: the face keeps its 21 pixels of height.
         I.Key("pictureindex", Button);
         I.Key("maskpictureindex", -1);
         I.Key("cursorindex", -1);
         I.Key("skinrect", PieceText("button"));
         I.Points({4, 8}, {18, 9}, {0, 0}, {0, 0});
         I.Key("clientrect", "2,2,22,19");
         I.Font(QStringLiteral("font"), Colour(0, 0, 0));
         I.Key("activefontcolor", Colour(0, 0, 0));
         I.Key("downfontcolor", Colour(0, 0, 0));
         I.Key("morphing", 0);
         I.Key("morphkind", "mkdefault");
         I.Key("activeskinrect", PieceText("button.active"));
         I.Key("downskinrect", PieceText("button.down"));
     }},
    {"toolpanel", "panel", [](IniText& I) { PanelControl(I, "panel", false); }},
    {"toolbutton", "button", [](IniText& I) { ButtonControl(I, Big, "toolbutton", 4, 'b'); }},
    {"checkbox", "checkradio", [](IniText& I) { CheckRadio(I, false); }},
    {"gauge", "gauge", [](IniText& I) { Gauge(I, false); }},
    {"vgauge", "gauge", [](IniText& I) { Gauge(I, true); }},
    {"radiobox", "checkradio", [](IniText& I) { CheckRadio(I, true); }},
    {"panel", "panel", [](IniText& I) { PanelControl(I, "panel", false); }},
    {"label", "label",
     [](IniText& I) {
         ResizeControl(I, Big, "label", 2, 'h');
         I.Font();
     }},
    {"trackbar", "trackbar", [](IniText& I) { TrackBar(I, true); }},
    {"htrackbar", "trackbar", [](IniText& I) { TrackBar(I, false); }},
    {"grid", "grid", Grid},
    {"tab", "tab", Tab},
    {"edit", "edit", [](IniText& I) { Edit(I, "edit", false); }},
    {"memo", "memo", [](IniText& I) { Edit(I, "memo", true); }},
    {"hscrollbar", "scrollbar", [](IniText& I) { ScrollBar(I, false); }},
    {"vscrollbar", "scrollbar", [](IniText& I) { ScrollBar(I, true); }},
    {"listbox", "listbox", [](IniText& I) { ListBox(I, "listbox", false, false); }},
    {"combobox", "combobox", [](IniText& I) { ComboBox(I, "combobox", false); }},
    {"checklistbox", "checklistbox", [](IniText& I) { ListBox(I, "listbox", false, true); }},
    {"spinedit", "spinedit",
     [](IniText& I) {
         ResizeControl(I, Big, "spinedit", 3, 'h');
         I.Font();
         SixButtons(I, "spinup", "spindown");
     }},
    {"groupbox", "panel", [](IniText& I) { PanelControl(I, "groupbox", true); }},
    {"stdlabel", "stdlabel",
     [](IniText& I) {
         I.Key("pictureindex", -1);
         I.Key("maskpictureindex", -1);
         I.Key("cursorindex", -1);
         I.Key("skinrect", "0,0,0,0");
         I.Font(QStringLiteral("font"), Colour(0, 0, 0));
     }},
    {"statuspanel", "panel", [](IniText& I) { PanelControl(I, "statuspanel", false); }},
    {"statusbar", "panel", [](IniText& I) { PanelControl(I, "statusbar", false); }},
    {"buttonedit", "edit", [](IniText& I) { Edit(I, "edit", false); }},
    {"vupdown", "updown",
     [](IniText& I) {
         ResizeControl(I, Big, "vupdown", 0, 'n');
         SixButtons(I, "updownup", "updowndown");
     }},
    {"hupdown", "updown",
     [](IniText& I) {
         ResizeControl(I, Big, "hupdown", 0, 'n');
         SixButtons(I, "updownleft", "updownright");
     }},
    {"captionlistbox", "listbox", [](IniText& I) { ListBox(I, "captionlistbox", true, false); }},
    {"captionchecklistbox", "checklistbox",
     [](IniText& I) { ListBox(I, "captionlistbox", true, true); }},
    {"captioncombobox", "combobox", [](IniText& I) { ComboBox(I, "captioncombobox", true); }},
    {"controlbar", "controlbar",
     [](IniText& I) {
         ResizeControl(I, Big, "controlbar", 3, 'b');
         I.Key("itemrect", PieceText("controlbaritem"));
     }},
    {"mainmenubar", "mainmenubar", MainMenuBar},
    {"vsplitter", "splitter", [](IniText& I) { ResizeControl(I, Big, "vsplitter", 1, 'v'); }},
    {"hsplitter", "splitter", [](IniText& I) { ResizeControl(I, Big, "hsplitter", 1, 'h'); }},
    {"resizebutton", "button", [](IniText& I) { ButtonControl(I, Big, "resizebutton", 0, 'n'); }},
    {"bothhscrollbar", "scrollbar", [](IniText& I) { ScrollBar(I, false); }},
    {"rolluppanel", "panel", [](IniText& I) { PanelControl(I, "rolluppanel", true); }},
    {"bigtoolpanel", "panel", [](IniText& I) { PanelControl(I, "bigtoolpanel", false); }},
    {"bigtoolbutton", "button", [](IniText& I) { ButtonControl(I, Big, "bigtoolbutton", 6, 'b'); }},
    {"toolmenubutton", "menubutton", [](IniText& I) { MenuButtonControl(I, "toolmenubutton", 4); }},
    {"toolmenutrackbutton", "menubutton",
     [](IniText& I) { MenuButtonControl(I, "toolmenubutton", 4); }},
    {"bigtoolmenubutton", "menubutton",
     [](IniText& I) { MenuButtonControl(I, "bigtoolmenubutton", 6); }},
    {"bigtoolmenutrackbutton", "menubutton",
     [](IniText& I) { MenuButtonControl(I, "bigtoolmenubutton", 6); }},
    {"scrollbox", "scrollbox", [](IniText& I) { ResizeControl(I, Big, "scrollbox", 3, 'b'); }},
};

void ObjectBase(IniText& I, const char* Piece, int ActivePicture, const QString& Active,
                bool Morphing) {
    I.Key("rollup", 0);
    I.Key("activepictureindex", ActivePicture);
    I.Key("cursorindex", -1);
    I.Key("skinrect", Piece ? PieceText(Piece) : QStringLiteral("0,0,0,0"));
    I.Key("activeskinrect", Active);
    I.Key("morphing", Morphing ? 1 : 0);
    I.Key("morphkind", "mkdefault");
}

// A window button: its face in the frame picture, hover and pressed faces on the big sheet, and
// the restore faces for the maximize button.
void StdButton(IniText& I, const char* Piece, const char* Command, const char* Restore) {
    const QByteArray p(Piece);
    ObjectBase(I, Piece, Big, PieceText(p + ".active"), true);
    I.Key("downrect", PieceText(p + ".down"));
    I.Key("groupindex", -1);
    I.Key("command", Command);
    const QByteArray r(Restore ? Restore : "");
    I.Key("restorerect", Restore ? PieceText(r) : QStringLiteral("0,0,0,0"));
    I.Key("restoreactiverect", Restore ? PieceText(r + ".active") : QStringLiteral("0,0,0,0"));
    I.Key("restoredownrect", Restore ? PieceText(r + ".down") : QStringLiteral("0,0,0,0"));
}

void MenuBarButton(IniText& I, const char* Piece, const char* Command) {
    const QByteArray p(Piece);
    ObjectBase(I, Piece, Big, PieceText(p + ".active"), false);
    I.Key("downrect", PieceText(p + ".down"));
    I.Key("groupindex", -1);
    I.Key("command", Command);
    I.Key("restorerect", "0,0,0,0");
    I.Key("restoreactiverect", "0,0,0,0");
    I.Key("restoredownrect", "0,0,0,0");
}

void Objects(IniText& I) {
    I.Section("MENUITEM");
    ObjectBase(I, "menuitem", Big, PieceText("menuitem.active"), true);
    I.Key("itemleftoffset", 3);
    I.Key("itemrightoffset", 3);
    I.Key("dividerrect", PieceText("menudivider"));
    I.Key("dividerleftoffset", 3);
    I.Key("dividerrightoffset", 3);
    I.Key("textrect", "4,2,76,18");
    I.Font();
    I.Key("activefontcolor", kInk);
    I.Key("unenabledfontcolor", kGreyText);

    I.Section("caption1");
    ObjectBase(I, "caption", Big, PieceText("caption.active"), false);
    I.Key("defaultcaption", 1);
    I.Key("textrect", "2,1,27,17");
    I.Font(QStringLiteral("font"), Colour(214, 220, 226), QStringLiteral("fsbold"));
    I.Key("activefontcolor", kWhite);
    I.Key("alignment", "taleftjustify");
    I.Key("shadow", 1);
    I.Key("shadowcolor", Colour(86, 96, 107));
    I.Key("activeshadowcolor", Colour(62, 70, 80));

    I.Section("closebutton");
    StdButton(I, "close", "cmclose", nullptr);
    I.Section("maximizebutton");
    StdButton(I, "maximize", "cmmaximize", "restore");
    I.Section("minimizebutton");
    StdButton(I, "minimize", "cmminimize", nullptr);
    I.Section("rollupbutton");
    StdButton(I, "rollup", "cmrollup", nullptr);
    I.Section("sysmenubutton");
    StdButton(I, "sysmenu", "cmsysmenu", nullptr);

    I.Section("mainmenubaritem");
    ObjectBase(I, "menubaritem", Big, PieceText("menubaritem.active"), false);
    I.Key("itemleftoffset", 3);
    I.Key("itemrightoffset", 3);
    I.Key("downrect", PieceText("menubaritem.down"));
    I.Key("textrect", "4,2,36,18");
    I.Font();
    I.Key("activefontcolor", kInk);
    I.Key("downfontcolor", kInk);
    I.Key("unenabledfontColor", kGreyText);

    I.Section("menubarclosebutton");
    MenuBarButton(I, "menubarclose", "cmclose");
    I.Section("menubarminbutton");
    MenuBarButton(I, "menubarmin", "cmminimize");
    I.Section("menubarmaxbutton");
    MenuBarButton(I, "menubarmax", "cmmaximize");
    I.Section("menubarsysmenubutton");
    MenuBarButton(I, "menubarsys", "cmsysmenu");
}

const char* const kObjectList[][2] = {
    {"MENUITEM", "menuitem"},
    {"caption1", "caption"},
    {"closebutton", "stdbutton"},
    {"maximizebutton", "stdbutton"},
    {"minimizebutton", "stdbutton"},
    {"rollupbutton", "stdbutton"},
    {"sysmenubutton", "stdbutton"},
    {"mainmenubaritem", "mainmenubaritem"},
    {"menubarclosebutton", "mainmenubarbutton"},
    {"menubarminbutton", "mainmenubarbutton"},
    {"menubarmaxbutton", "mainmenubarbutton"},
    {"menubarsysmenubutton", "mainmenubarbutton"},
};

void Globals(IniText& I) {
    I.Section("VERSION");
    I.Key("skinname", "winxpsteel");
    I.Key("ver", "1.0");
    I.Key("skinauthor", "Soveli");
    I.Key("authoremail", "");
    I.Key("authorurl", "");
    I.Key("skincomments", "Calm steel-grey frame and controls");

    I.Section("PICTURES");
    I.Key("picture", "frame.bmp");
    I.Key("mask", "framemask.bmp");
    I.Key("rolluppicture", "");
    I.Key("rollupmask", "");
    const char* names[] = {"controls.bmp", "popup.bmp", "parts.bmp",     "hint.bmp",
                           "button.bmp",   "sheet.bmp", "popupmask.bmp", "hintmask.bmp"};
    I.Key("activepicturescount", 8);
    for (int i = 0; i < 8; ++i) I.Key(QString::number(i), names[i]);

    I.Section("CURSORS");
    I.Key("startcursorindex", 1);
    I.Key("cursorscount", 0);

    // The frame: title band 29 pixels high, borders of 5, sizing border of 3; the caption
    // stretches with the width, the window buttons keep to the right edge.
    I.Section("FORMINFO");
    I.Points({29, 29}, {56, 29}, {29, 120}, {123, 120});
    I.Key("clientrect", "5,29,147,120");
    I.Key("maskrectarea", "3,3,149,122");
    I.Key("hittestlefttoppoint", "10,10");
    I.Key("hittestrighttoppoint", "142,10");
    I.Key("hittestleftbottompoint", "10,115");
    I.Key("hittestrightbottompoint", "142,115");
    I.Key("rollupleftpoint", "0,0");
    I.Key("rolluprightpoint", "0,0");
    I.Key("mainmenurect", "0,0,0,0");
    I.Key("iconrect", "0,0,0,0");
    I.Key("mainmenupopupup", 0);
    I.Key("borderwidth", 3);
    I.Key("cursorindex", -1);

    I.Section("POPUPWINDOW");
    I.Key("windowpictureindex", Popup);
    I.Key("maskpictureindex", PopupMask);
    I.Points({8, 6}, {57, 6}, {8, 63}, {57, 63});
    I.Key("cursorindex", -1);
    I.Key("itemsrect", "3,4,62,65");
    I.Key("scrollmarkercolor", Colour(136, 148, 160));
    I.Key("scrollmarkeractivecolor", kFocusText);

    I.Section("HINTWINDOW");
    I.Key("windowpictureindex", Hint);
    I.Key("maskpictureindex", HintMask);
    I.Points({6, 6}, {36, 6}, {6, 21}, {36, 21});
    I.Key("clientrect", "4,3,38,24");
    I.Font();
}

} // namespace

QString SkinIniText() {
    IniText I;
    Globals(I);
    I.Section("SKINAREAS");
    I.Key("count", 0);
    I.Section("SKINOBJECTS");
    I.Key("count", int(std::size(kObjectList)));
    for (size_t i = 0; i < std::size(kObjectList); ++i)
        I.Key(QString::number(i),
              QStringLiteral("%1:%2").arg(kObjectList[i][0], kObjectList[i][1]));
    I.Section("SKINCONTROLS");
    I.Key("count", int(std::size(kControls)));
    for (size_t i = 0; i < std::size(kControls); ++i)
        I.Key(QString::number(i),
              QStringLiteral("%1:%2").arg(kControls[i].Name, kControls[i].Kind));
    Objects(I);
    for (const ControlEntry& c : kControls) {
        I.Section(QLatin1String(c.Name));
        c.Keys(I);
    }
    return I.Text();
}

} // namespace pictures
