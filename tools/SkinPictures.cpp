// The pictures of the stored skin: a calm steel-grey frame with its buttons, and the sheets that
// hold the faces of the skinned controls.
#include "PictureKit.h"
#include "SkinKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace pictures {

namespace {

const QColor kSteelDark{62, 70, 80};
const QColor kSteelDeep{86, 96, 107};
const QColor kSteel{110, 122, 135};
const QColor kSteelMid{136, 148, 160};
const QColor kSteelLight{184, 194, 204};
const QColor kSteelPale{221, 226, 231};
const QColor kSurface{236, 238, 241};
const QColor kGlyph{244, 246, 248};
const QColor kFocus{74, 120, 168};
const QColor kWarm{184, 92, 92};

enum class Look { Normal, Active, Down };

// Further pictures by index: sizes as the skin's sections expect them.
enum Sheet { Controls = 0, Popup = 1, Parts = 2, Hint = 3, Button = 4, Big = 5 };

} // namespace

const std::vector<QSize>& SkinPictureSizes() {
    static const std::vector<QSize> sizes = {{65, 223}, {65, 69},   {68, 118}, {42, 27},
                                             {72, 21},  {516, 264}, {65, 69},  {42, 27}};
    return sizes;
}

const std::vector<int>& SkinPaletteSizes() {
    static const std::vector<int> sizes = {200, 128, 160, 64, 128, 144, 2, 2};
    return sizes;
}

const std::vector<SkinPiece>& SkinPieces() {
    static const std::vector<SkinPiece> pieces = {
        // Frame picture.
        {"caption", -1, {27, 6, 29, 18}},
        {"sysmenu", -1, {6, 7, 17, 16}},
        {"rollup", -1, {58, 4, 21, 21}},
        {"minimize", -1, {81, 4, 21, 21}},
        {"maximize", -1, {104, 4, 21, 21}},
        {"close", -1, {127, 4, 21, 21}},
        // Frame objects' other looks.
        {"close.active", Big, {0, 0, 21, 21}},
        {"maximize.active", Big, {22, 0, 21, 21}},
        {"minimize.active", Big, {44, 0, 21, 21}},
        {"rollup.active", Big, {66, 0, 21, 21}},
        {"close.down", Big, {88, 0, 21, 21}},
        {"maximize.down", Big, {110, 0, 21, 21}},
        {"minimize.down", Big, {132, 0, 21, 21}},
        {"rollup.down", Big, {154, 0, 21, 21}},
        {"restore", Big, {176, 0, 21, 21}},
        {"restore.active", Big, {198, 0, 21, 21}},
        {"restore.down", Big, {220, 0, 21, 21}},
        {"sysmenu.active", Big, {242, 0, 17, 16}},
        {"sysmenu.down", Big, {260, 0, 17, 16}},
        {"caption.active", Big, {280, 0, 29, 18}},
        {"menubarclose", Big, {312, 0, 16, 14}},
        {"menubarclose.active", Big, {328, 0, 16, 14}},
        {"menubarclose.down", Big, {344, 0, 16, 14}},
        {"menubarmin", Big, {360, 0, 16, 14}},
        {"menubarmin.active", Big, {376, 0, 16, 14}},
        {"menubarmin.down", Big, {392, 0, 16, 14}},
        {"menubarmax", Big, {408, 0, 16, 14}},
        {"menubarmax.active", Big, {424, 0, 16, 14}},
        {"menubarmax.down", Big, {440, 0, 16, 14}},
        {"menubarsys", Big, {456, 0, 16, 14}},
        {"menubarsys.active", Big, {472, 0, 16, 14}},
        {"menubarsys.down", Big, {488, 0, 16, 14}},
        // Menus.
        {"menuitem", Big, {0, 24, 80, 20}},
        {"menuitem.active", Big, {80, 24, 80, 20}},
        {"menudivider", Big, {160, 24, 80, 6}},
        {"menubaritem", Big, {240, 24, 40, 20}},
        {"menubaritem.active", Big, {280, 24, 40, 20}},
        {"menubaritem.down", Big, {320, 24, 40, 20}},
        {"mainmenubar", Big, {360, 24, 120, 20}},
        // Panels and boxes.
        {"panel", Big, {0, 48, 60, 40}},
        {"groupbox", Big, {60, 48, 60, 48}},
        {"statusbar", Big, {120, 48, 60, 20}},
        {"statuspanel", Big, {120, 68, 60, 20}},
        {"bigtoolpanel", Big, {180, 48, 60, 48}},
        {"scrollbox", Big, {240, 48, 60, 48}},
        {"controlbar", Big, {300, 48, 60, 48}},
        {"controlbaritem", Big, {360, 48, 12, 48}},
        {"rolluppanel", Big, {372, 48, 60, 48}},
        {"rollupmarker", Big, {432, 48, 9, 9}},
        {"restoremarker", Big, {441, 48, 9, 9}},
        {"label", Big, {0, 88, 60, 12}},
        // Text inputs.
        {"edit", Big, {0, 100, 60, 20}},
        {"edit.active", Big, {60, 100, 60, 20}},
        {"editbutton", Big, {120, 102, 16, 16}},
        {"editbutton.active", Big, {136, 102, 16, 16}},
        {"editbutton.down", Big, {152, 102, 16, 16}},
        {"memo", Big, {0, 120, 60, 20}},
        {"memo.active", Big, {60, 120, 60, 20}},
        {"spinedit", Big, {170, 100, 60, 20}},
        {"spinup", Big, {230, 100, 15, 9}},
        {"spinup.active", Big, {245, 100, 15, 9}},
        {"spinup.down", Big, {260, 100, 15, 9}},
        {"spindown", Big, {230, 110, 15, 9}},
        {"spindown.active", Big, {245, 110, 15, 9}},
        {"spindown.down", Big, {260, 110, 15, 9}},
        {"vupdown", Big, {280, 100, 16, 20}},
        {"hupdown", Big, {300, 100, 32, 16}},
        {"updownleft", Big, {340, 100, 16, 16}},
        {"updownleft.active", Big, {356, 100, 16, 16}},
        {"updownleft.down", Big, {372, 100, 16, 16}},
        {"updownright", Big, {388, 100, 16, 16}},
        {"updownright.active", Big, {404, 100, 16, 16}},
        {"updownright.down", Big, {420, 100, 16, 16}},
        {"updownup", Big, {436, 100, 16, 10}},
        {"updownup.active", Big, {452, 100, 16, 10}},
        {"updownup.down", Big, {468, 100, 16, 10}},
        {"updowndown", Big, {436, 110, 16, 10}},
        {"updowndown.active", Big, {452, 110, 16, 10}},
        {"updowndown.down", Big, {468, 110, 16, 10}},
        // Grids.
        {"gridfixed", Big, {340, 120, 40, 18}},
        {"gridselect", Big, {380, 120, 40, 18}},
        {"gridfocus", Big, {420, 120, 40, 18}},
        {"vgauge", Big, {488, 120, 16, 60}},
        {"vgaugeprogress", Big, {504, 120, 10, 60}},
        // Lists.
        {"listbox", Big, {0, 144, 60, 60}},
        {"listitem", Big, {60, 144, 60, 16}},
        {"listitem.active", Big, {60, 160, 60, 16}},
        {"listitem.focus", Big, {60, 176, 60, 16}},
        {"captionlistbox", Big, {120, 144, 60, 60}},
        {"listup", Big, {180, 144, 16, 16}},
        {"listup.active", Big, {196, 144, 16, 16}},
        {"listup.down", Big, {212, 144, 16, 16}},
        {"listdown", Big, {180, 160, 16, 16}},
        {"listdown.active", Big, {196, 160, 16, 16}},
        {"listdown.down", Big, {212, 160, 16, 16}},
        {"listcheck", Big, {228, 144, 16, 16}},
        {"listcheck.active", Big, {244, 144, 16, 16}},
        {"listcheck.down", Big, {260, 144, 16, 16}},
        {"listcheckmark", Big, {276, 144, 13, 13}},
        {"listuncheckmark", Big, {289, 144, 13, 13}},
        {"combobox", Big, {304, 144, 60, 20}},
        {"combobutton", Big, {364, 145, 17, 18}},
        {"combobutton.active", Big, {381, 145, 17, 18}},
        {"combobutton.down", Big, {398, 145, 17, 18}},
        {"comboitem", Big, {304, 164, 60, 16}},
        {"comboitem.focus", Big, {304, 180, 60, 16}},
        {"captioncombobox", Big, {420, 144, 60, 36}},
        // Buttons.
        {"toolbutton", Big, {0, 208, 24, 22}},
        {"toolbutton.active", Big, {24, 208, 24, 22}},
        {"toolbutton.down", Big, {48, 208, 24, 22}},
        {"bigtoolbutton", Big, {72, 208, 40, 40}},
        {"bigtoolbutton.active", Big, {112, 208, 40, 40}},
        {"bigtoolbutton.down", Big, {152, 208, 40, 40}},
        {"toolmenubutton", Big, {192, 208, 32, 22}},
        {"toolmenubutton.active", Big, {224, 208, 32, 22}},
        {"toolmenubutton.down", Big, {256, 208, 32, 22}},
        {"bigtoolmenubutton", Big, {288, 208, 48, 40}},
        {"bigtoolmenubutton.active", Big, {336, 208, 48, 40}},
        {"bigtoolmenubutton.down", Big, {384, 208, 48, 40}},
        {"resizebutton", Big, {432, 208, 14, 14}},
        {"resizebutton.active", Big, {446, 208, 14, 14}},
        {"resizebutton.down", Big, {460, 208, 14, 14}},
        {"vsplitter", Big, {474, 208, 6, 56}},
        {"hsplitter", Big, {480, 208, 36, 6}},
        {"vtrack", Big, {500, 24, 10, 72}},
        {"vthumb", Big, {480, 24, 12, 10}},
        {"vthumb.active", Big, {480, 34, 12, 10}},
        // Check boxes, radio buttons, scroll bars.
        {"checkmark", Controls, {0, 0, 13, 13}},
        {"uncheckmark", Controls, {13, 0, 13, 13}},
        {"radiomark", Controls, {0, 13, 13, 13}},
        {"unradiomark", Controls, {13, 13, 13, 13}},
        {"checkradio", Controls, {0, 30, 65, 20}},
        {"checkradio.active", Controls, {0, 50, 65, 20}},
        {"arrowup", Controls, {0, 70, 16, 16}},
        {"arrowup.active", Controls, {16, 70, 16, 16}},
        {"arrowup.down", Controls, {32, 70, 16, 16}},
        {"arrowdown", Controls, {0, 86, 16, 16}},
        {"arrowdown.active", Controls, {16, 86, 16, 16}},
        {"arrowdown.down", Controls, {32, 86, 16, 16}},
        {"arrowleft", Controls, {0, 102, 16, 16}},
        {"arrowleft.active", Controls, {16, 102, 16, 16}},
        {"arrowleft.down", Controls, {32, 102, 16, 16}},
        {"arrowright", Controls, {0, 118, 16, 16}},
        {"arrowright.active", Controls, {16, 118, 16, 16}},
        {"arrowright.down", Controls, {32, 118, 16, 16}},
        {"vscrollthumb", Controls, {48, 70, 16, 30}},
        {"vscrollthumb.active", Controls, {48, 100, 16, 30}},
        {"vscrollthumb.down", Controls, {48, 130, 16, 30}},
        {"hscrollthumb", Controls, {0, 134, 30, 16}},
        {"hscrollthumb.active", Controls, {0, 150, 30, 16}},
        {"hscrollthumb.down", Controls, {0, 166, 30, 16}},
        {"hscrolltrack", Controls, {0, 182, 48, 16}},
        {"vscrolltrack", Controls, {48, 160, 16, 63}},
        {"comboarrow", Controls, {0, 200, 17, 19}},
        {"comboarrow.active", Controls, {17, 200, 17, 19}},
        {"comboarrow.down", Controls, {34, 200, 17, 19}},
        // Tabs, gauges, track bars.
        {"tab", Parts, {0, 0, 34, 22}},
        {"tab.active", Parts, {34, 0, 34, 22}},
        {"tab.focus", Parts, {0, 22, 34, 22}},
        {"tabsbg", Parts, {34, 22, 34, 22}},
        {"tabpage", Parts, {0, 44, 68, 40}},
        {"gauge", Parts, {0, 84, 68, 14}},
        {"gaugeprogress", Parts, {0, 98, 68, 10}},
        {"htrack", Parts, {0, 108, 48, 10}},
        {"hthumb", Parts, {48, 108, 10, 10}},
        {"hthumb.active", Parts, {58, 108, 10, 10}},
        // Button strip.
        {"button", Button, {0, 0, 24, 21}},
        {"button.down", Button, {24, 0, 24, 21}},
        {"button.active", Button, {48, 0, 24, 21}},
    };
    return pieces;
}

QRect PieceRect(const char* Name) {
    for (const SkinPiece& p : SkinPieces())
        if (std::strcmp(p.Name, Name) == 0) return p.Rect;
    std::fprintf(stderr, "no skin piece named %s\n", Name);
    std::exit(2);
}

QString PieceText(const char* Name) {
    const QRect r = PieceRect(Name);
    return QStringLiteral("%1,%2,%3,%4")
        .arg(r.left())
        .arg(r.top())
        .arg(r.right() + 1)
        .arg(r.bottom() + 1);
}

namespace {

Look LookOf(const QString& Name) {
    if (Name.endsWith(QLatin1String(".active"))) return Look::Active;
    if (Name.endsWith(QLatin1String(".down"))) return Look::Down;
    return Look::Normal;
}

// A raised face: a soft vertical gradient, lit from above, with a rounded outline. Its middle is
// the same in every column and row away from the corners, so it tiles without seams.
void Raised(QPainter& P, const QRectF& R, Look L, qreal Radius = 2.5) {
    QColor top = kSteelPale, bottom = kSteelLight;
    if (L == Look::Active) top = QColor(232, 238, 244), bottom = QColor(190, 204, 218);
    if (L == Look::Down) top = kSteelMid, bottom = kSteelLight;
    QLinearGradient g(0, R.top(), 0, R.bottom());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    P.setPen(QPen(L == Look::Active ? kFocus : kSteelDeep, 1));
    P.setBrush(g);
    P.drawRoundedRect(R.adjusted(0.5, 0.5, -0.5, -0.5), Radius, Radius);
    if (L != Look::Down) {
        P.setPen(QPen(QColor(255, 255, 255, 150), 1));
        P.drawLine(QPointF(R.left() + Radius, R.top() + 1.5),
                   QPointF(R.right() - Radius, R.top() + 1.5));
    }
}

void Sunken(QPainter& P, const QRectF& R, bool Active) {
    P.setPen(QPen(Active ? kFocus : kSteelMid, 1));
    P.setBrush(Qt::white);
    P.drawRect(R.adjusted(0.5, 0.5, -0.5, -0.5));
    P.setPen(QPen(kSteelPale, 1));
    P.drawLine(QPointF(R.left() + 1.5, R.top() + 1.5), QPointF(R.right() - 1.5, R.top() + 1.5));
}

void Flat(QPainter& P, const QRectF& R, const QColor& C) {
    P.fillRect(R, C);
}

void Band(QPainter& P, const QRectF& R, const QColor& Top, const QColor& Bottom) {
    QLinearGradient g(0, R.top(), 0, R.bottom());
    g.setColorAt(0, Top);
    g.setColorAt(1, Bottom);
    P.fillRect(R, g);
}

// A filled triangle pointing Dir (0 up, 1 down, 2 left, 3 right) in the middle of R.
void Arrow(QPainter& P, const QRectF& R, int Dir, const QColor& C, qreal Size = 3.5) {
    const QPointF c = R.center();
    QPolygonF t;
    switch (Dir) {
    case 0:
        t << QPointF(c.x() - Size, c.y() + Size / 2) << QPointF(c.x() + Size, c.y() + Size / 2)
          << QPointF(c.x(), c.y() - Size / 2);
        break;
    case 1:
        t << QPointF(c.x() - Size, c.y() - Size / 2) << QPointF(c.x() + Size, c.y() - Size / 2)
          << QPointF(c.x(), c.y() + Size / 2);
        break;
    case 2:
        t << QPointF(c.x() + Size / 2, c.y() - Size) << QPointF(c.x() + Size / 2, c.y() + Size)
          << QPointF(c.x() - Size / 2, c.y());
        break;
    default:
        t << QPointF(c.x() - Size / 2, c.y() - Size) << QPointF(c.x() - Size / 2, c.y() + Size)
          << QPointF(c.x() + Size / 2, c.y());
    }
    P.setPen(Qt::NoPen);
    P.setBrush(C);
    P.drawPolygon(t);
}

// The glyph of a window button: "close", "maximize", "minimize", "rollup", "restore".
void ButtonGlyph(QPainter& P, const QRectF& R, const QString& Kind, const QColor& C) {
    const QPointF c = R.center();
    const qreal s = R.width() * 0.2;
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(C, R.width() > 18 ? 1.8 : 1.4, Qt::SolidLine, Qt::RoundCap));
    if (Kind.contains(QLatin1String("close"))) {
        P.drawLine(QPointF(c.x() - s, c.y() - s), QPointF(c.x() + s, c.y() + s));
        P.drawLine(QPointF(c.x() + s, c.y() - s), QPointF(c.x() - s, c.y() + s));
    } else if (Kind.contains(QLatin1String("max"))) {
        P.drawRect(QRectF(c.x() - s, c.y() - s, 2 * s, 2 * s));
        P.drawLine(QPointF(c.x() - s, c.y() - s + 1), QPointF(c.x() + s, c.y() - s + 1));
    } else if (Kind.contains(QLatin1String("min"))) {
        P.drawLine(QPointF(c.x() - s, c.y() + s), QPointF(c.x() + s, c.y() + s));
    } else if (Kind.contains(QLatin1String("restore"))) {
        P.drawRect(QRectF(c.x() - s, c.y() - s * 0.4, s * 1.4, s * 1.4));
        P.drawPolyline(QPolygonF()
                       << QPointF(c.x() - s * 0.4, c.y() - s * 0.4)
                       << QPointF(c.x() - s * 0.4, c.y() - s) << QPointF(c.x() + s, c.y() - s)
                       << QPointF(c.x() + s, c.y() + s * 0.4)
                       << QPointF(c.x() + s * 0.4, c.y() + s * 0.4));
    } else if (Kind.contains(QLatin1String("rollup"))) {
        P.drawPolyline(QPolygonF()
                       << QPointF(c.x() - s, c.y() + s * 0.5) << QPointF(c.x(), c.y() - s * 0.5)
                       << QPointF(c.x() + s, c.y() + s * 0.5));
    } else if (Kind.contains(QLatin1String("sys"))) {
        P.setPen(Qt::NoPen);
        P.setBrush(C);
        P.drawEllipse(c, s * 0.8, s * 0.8);
    }
}

// A window button on the title band: steel, calmer than the band; hovering lights it (the close
// button warms), pressing darkens it.
void CaptionButton(QPainter& P, const QRectF& R, const QString& Kind, Look L) {
    QColor top{170, 181, 192}, bottom{122, 134, 147}, line = kSteelDark;
    if (L == Look::Active) {
        top = Kind.contains(QLatin1String("close")) ? QColor(222, 150, 150) : QColor(196, 208, 220);
        bottom = Kind.contains(QLatin1String("close")) ? kWarm : QColor(140, 156, 172);
    } else if (L == Look::Down) {
        top = kSteelDeep;
        bottom = kSteel;
    }
    QLinearGradient g(0, R.top(), 0, R.bottom());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    P.setPen(QPen(line, 1));
    P.setBrush(g);
    P.drawRoundedRect(R.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    ButtonGlyph(P, R, Kind, kGlyph);
}

// The title band of the frame: the same in every column, darker towards its lower edge.
void TitleBand(QPainter& P, const QRectF& R, bool Active) {
    Band(P, R, Active ? QColor(164, 176, 190) : QColor(154, 167, 180),
         Active ? QColor(98, 112, 128) : QColor(110, 122, 135));
}

void Emblem(QPainter& P, const QRectF& R, Look L) {
    const QPointF c = R.center();
    P.setPen(QPen(kSteelDark, 1));
    P.setBrush(L == Look::Down ? kSteelDeep : L == Look::Active ? kSteelPale : kSteelLight);
    P.drawEllipse(c, 6.5, 6.5);
    P.setPen(Qt::NoPen);
    P.setBrush(L == Look::Down ? kSteelLight : kFocus);
    P.drawEllipse(c, 3, 3);
}

void CheckMark(QPainter& P, const QRectF& R, bool Checked, bool Radio) {
    P.setPen(QPen(kSteelDeep, 1));
    P.setBrush(Qt::white);
    if (Radio)
        P.drawEllipse(R.adjusted(0.5, 0.5, -0.5, -0.5));
    else
        P.drawRoundedRect(R.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    if (!Checked) return;
    if (Radio) {
        P.setPen(Qt::NoPen);
        P.setBrush(kFocus);
        P.drawEllipse(R.center(), 2.8, 2.8);
        return;
    }
    P.setPen(QPen(kFocus, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    P.drawPolyline(QPolygonF() << QPointF(R.left() + 3, R.top() + 6.5)
                               << QPointF(R.left() + 5.5, R.top() + 9)
                               << QPointF(R.left() + 10, R.top() + 3.5));
}

// A panel with a caption band across its top.
void CaptionPanel(QPainter& P, const QRectF& R, int BandHeight) {
    Raised(P, R, Look::Normal, 2);
    Band(P, QRectF(R.left() + 1, R.top() + 1, R.width() - 2, BandHeight), kSteelMid, kSteel);
}

// The direction an arrow button's name gives (0 up, 1 down, 2 left, 3 right), or -1.
int ArrowDir(QString Name) {
    if (Name.startsWith(QLatin1String("updown"))) Name = Name.mid(6);
    const char* words[] = {"up", "down", "left", "right"};
    for (int i = 0; i < 4; ++i)
        if (Name.contains(QLatin1String(words[i]))) return i;
    return -1;
}

// Draws one piece of a control sheet by what its name says it is.
void DrawPiece(QPainter& P, const QString& Full, const QRectF& R) {
    const Look look = LookOf(Full);
    const QString name = Full.section(u'.', 0, 0);
    const bool frameButton =
        QStringList{"close", "maximize", "minimize", "rollup", "restore"}.contains(name) ||
        (name.startsWith(QLatin1String("menubar")) && name != QLatin1String("menubaritem"));
    if (frameButton) return CaptionButton(P, R, name, look);
    if (name == QLatin1String("sysmenu")) return Emblem(P, R, look);
    if (name == QLatin1String("caption")) return TitleBand(P, R, look == Look::Active);
    if (name == QLatin1String("menuitem") || name == QLatin1String("listitem") ||
        name == QLatin1String("comboitem")) {
        Flat(P, R, kSurface);
        if (look == Look::Active || Full.endsWith(QLatin1String(".focus")))
            Raised(P, R.adjusted(1, 1, -1, -1), Look::Active, 2);
        return;
    }
    if (name == QLatin1String("menudivider")) {
        Flat(P, R, kSurface);
        P.fillRect(QRectF(R.left() + 2, R.top() + 2, R.width() - 4, 1), kSteelMid);
        P.fillRect(QRectF(R.left() + 2, R.top() + 3, R.width() - 4, 1), Qt::white);
        return;
    }
    if (name == QLatin1String("menubaritem") || name == QLatin1String("mainmenubar")) {
        Flat(P, R, kSteelPale);
        if (look != Look::Normal) Raised(P, R.adjusted(1, 1, -1, -1), look, 2);
        return;
    }
    if (name == QLatin1String("groupbox") || name == QLatin1String("rolluppanel") ||
        name.startsWith(QLatin1String("caption")))
        return CaptionPanel(P, R, 17);
    if (name == QLatin1String("edit") || name == QLatin1String("memo") ||
        name == QLatin1String("spinedit") || name == QLatin1String("combobox") ||
        name == QLatin1String("listbox") || name == QLatin1String("scrollbox") ||
        name == QLatin1String("statuspanel") || name.endsWith(QLatin1String("track")) ||
        name == QLatin1String("gauge") || name == QLatin1String("vgauge") ||
        name == QLatin1String("tabpage"))
        return Sunken(P, R, look == Look::Active);
    if (name.endsWith(QLatin1String("progress"))) {
        Band(P, R, QColor(120, 162, 204), kFocus);
        return;
    }
    if (name.endsWith(QLatin1String("checkmark")) || name.endsWith(QLatin1String("radiomark"))) {
        const bool checked =
            !name.startsWith(QLatin1String("un")) && !name.contains(QLatin1String("uncheck"));
        return CheckMark(P, R, checked, name.contains(QLatin1String("radio")));
    }
    if (name == QLatin1String("checkradio") || name == QLatin1String("label") ||
        name == QLatin1String("tabsbg") || name == QLatin1String("vsplitter") ||
        name == QLatin1String("hsplitter")) {
        Flat(P, R, look == Look::Active ? kSteelPale : kSurface);
        return;
    }
    if (name == QLatin1String("gridfixed")) return Raised(P, R, Look::Normal, 0);
    if (name == QLatin1String("gridselect")) return Flat(P, R, QColor(190, 204, 218));
    if (name == QLatin1String("gridfocus")) {
        Flat(P, R, QColor(190, 204, 218));
        P.setPen(QPen(kFocus, 1));
        P.setBrush(Qt::NoBrush);
        P.drawRect(R.adjusted(0.5, 0.5, -0.5, -0.5));
        return;
    }
    if (name == QLatin1String("rollupmarker") || name == QLatin1String("restoremarker"))
        return Arrow(P, R, name == QLatin1String("rollupmarker") ? 0 : 1, kGlyph, 3);
    if (name == QLatin1String("tab")) {
        Raised(P, R.adjusted(0, look == Look::Normal ? 2 : 0, 0, 2),
               look == Look::Normal ? Look::Normal : Look::Active, 3);
        return;
    }
    // Everything else is a button of some kind, with an arrow when its name gives a direction.
    Raised(P, R, look, name.startsWith(QLatin1String("big")) ? 4 : 2.5);
    const int dir = ArrowDir(name);
    if (dir >= 0) Arrow(P, R, dir, kSteelDark);
    if (name.contains(QLatin1String("combo")) || name.contains(QLatin1String("menubutton")))
        Arrow(P, QRectF(R.right() - 10, R.top(), 10, R.height()), 1, kSteelDark, 3);
}

QImage FramePicture() {
    const int W = kFrameSize.width(), H = kFrameSize.height();
    QImage image = NewImage(W, H, kSurface);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    TitleBand(p, QRectF(0, 0, W, 29), false);
    // Side and bottom borders: an outer dark line, a lit line, the steel body, an inner line.
    const QColor rim[5] = {kSteelDark, kSteelLight, kSteelMid, kSteelMid, kSteelDeep};
    for (int i = 0; i < 5; ++i) {
        p.fillRect(QRect(i, 29, 1, H - 29 - i), rim[i]);
        p.fillRect(QRect(W - 1 - i, 29, 1, H - 29 - i), rim[i]);
        p.fillRect(QRect(i, H - 1 - i, W - 2 * i, 1), rim[i]);
    }
    p.fillRect(QRect(0, 0, 1, 29), kSteelDark);
    p.fillRect(QRect(W - 1, 0, 1, 29), kSteelDark);
    p.fillRect(QRect(0, 0, W, 1), kSteelDark);
    p.fillRect(QRect(1, 1, W - 2, 1), QColor(196, 205, 214));
    p.fillRect(QRect(4, 28, W - 8, 1), kSteelDeep);
    Prepare(p);
    for (const char* name : {"rollup", "minimize", "maximize", "close"})
        CaptionButton(p, PieceRect(name), QLatin1String(name), Look::Normal);
    Emblem(p, PieceRect("sysmenu"), Look::Normal);
    return image;
}

// Black inside; the top corners are rounded off.
QImage RoundedMask(int W, int H, qreal Radius, bool AllCorners) {
    QImage image = NewImage(W, H, Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, W, AllCorners ? H : H + Radius * 2), Radius, Radius);
    p.drawPath(path);
    return image;
}

QImage PopupPicture(int W, int H) {
    QImage image = NewImage(W, H, Qt::white);
    QPainter p(&image);
    Prepare(p);
    p.setPen(QPen(kSteelDeep, 1));
    p.setBrush(kSurface);
    p.drawRoundedRect(QRectF(0.5, 0.5, W - 1, H - 1), 4, 4);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, W - 3, H - 3), 3, 3);
    return image;
}

QImage HintPicture(int W, int H) {
    QImage image = NewImage(W, H, Qt::white);
    QPainter p(&image);
    Prepare(p);
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, QColor(250, 251, 252));
    g.setColorAt(1, kSteelPale);
    p.setPen(QPen(kSteel, 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, W - 1, H - 1), 4, 4);
    return image;
}

QImage Sheet(int Index) {
    const QSize size = SkinPictureSizes()[Index];
    QImage image = NewImage(size.width(), size.height(), kSurface);
    QPainter p(&image);
    Prepare(p);
    for (const SkinPiece& piece : SkinPieces())
        if (piece.Picture == Index) DrawPiece(p, QLatin1String(piece.Name), piece.Rect);
    return image;
}

} // namespace

std::vector<QImage> DrawSkinPictures() {
    const std::vector<QSize>& sizes = SkinPictureSizes();
    std::vector<QImage> out;
    out.push_back(FramePicture());
    out.push_back(RoundedMask(kFrameSize.width(), kFrameSize.height(), 5, false));
    out.push_back(Sheet(Controls));
    out.push_back(PopupPicture(sizes[Popup].width(), sizes[Popup].height()));
    out.push_back(Sheet(Parts));
    out.push_back(HintPicture(sizes[Hint].width(), sizes[Hint].height()));
    out.push_back(Sheet(Button));
    out.push_back(Sheet(Big));
    out.push_back(RoundedMask(sizes[Popup].width(), sizes[Popup].height(), 4, true));
    out.push_back(RoundedMask(sizes[Hint].width(), sizes[Hint].height(), 4, true));
    return out;
}

} // namespace pictures
