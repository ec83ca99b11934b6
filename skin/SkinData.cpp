#include "skin/SkinData.h"

#include "platform/Forms.h"

#include <algorithm>

namespace {

// Clamping keeps the tiled middles of the frame inside the client rectangle's span.
void ClampAnchors(TSkinFormInfo& F) {
    if (F.RBPoint.X == F.LTPoint.X || F.RBPoint.Y == F.LTPoint.Y) return;
    const TRect& cr = F.ClientRect;
    F.LTPoint = {std::max(F.LTPoint.X, cr.Left), std::max(F.LTPoint.Y, cr.Top)};
    F.RTPoint = {std::min(F.RTPoint.X, cr.Right), std::max(F.RTPoint.Y, cr.Top)};
    F.LBPoint = {std::max(F.LBPoint.X, cr.Left), std::min(F.LBPoint.Y, cr.Bottom)};
    F.RBPoint = {std::min(F.RBPoint.X, cr.Right), std::min(F.RBPoint.Y, cr.Bottom)};
}

} // namespace

void TSkinFormInfo::Exchange(TSkinIniExchange& X) {
    X.Point(u"lefttoppoint", LTPoint);
    X.Point(u"righttoppoint", RTPoint);
    X.Point(u"leftbottompoint", LBPoint);
    X.Point(u"rightbottompoint", RBPoint);
    X.Rect(u"clientrect", ClientRect);
    X.Rect(u"maskrectarea", MaskRectArea);
    X.Point(u"hittestlefttoppoint", HitTestLTPoint);
    X.Point(u"hittestrighttoppoint", HitTestRTPoint);
    X.Point(u"hittestleftbottompoint", HitTestLBPoint);
    X.Point(u"hittestrightbottompoint", HitTestRBPoint);
    X.Point(u"rollupleftpoint", RollUpLeftPoint);
    X.Point(u"rolluprightpoint", RollUpRightPoint);
    X.Rect(u"mainmenurect", MainMenuRect);
    X.Rect(u"iconrect", IconRect);
    X.Bool(u"mainmenupopupup", MainMenuPopupUp);
    X.Int(u"borderwidth", BorderWidth, 0);
    X.Int(u"cursorindex", FormCursorIndex, -1);
}

namespace {

// The position a list key stands for: a plain decimal below Count ("07", "+7" and " 7" are
// other keys), or -1.
int ListPosition(QStringView Key, int Count) {
    if (Key.isEmpty() || (Key.size() > 1 && Key[0] == u'0')) return -1;
    qint64 n = 0;
    for (QChar c : Key) {
        if (c < u'0' || c > u'9') return -1;
        n = n * 10 + (c.unicode() - u'0');
        if (n >= Count) return -1;
    }
    return int(n);
}

} // namespace

std::vector<std::pair<QStringView, QStringView>> ReadSkinListEntries(const TMemIniFile& Ini,
                                                                     const QString& Section) {
    const int section = Ini.SectionIndex(Section);
    int count = 0;
    if (QStringView text; Ini.FindValue(section, QStringView(u"count"), text))
        if (!TryStrToInt(text, count)) count = 0;
    std::vector<std::pair<int, QStringView>> numbered;
    Ini.ForEachKey(section, [&](QStringView Key, QStringView Value) {
        const int n = ListPosition(Key, count);
        if (n >= 0) numbered.emplace_back(n, Value);
    });
    std::sort(numbered.begin(), numbered.end(),
              [](const auto& A, const auto& B) { return A.first < B.first; });
    std::vector<std::pair<QStringView, QStringView>> entries;
    entries.reserve(numbered.size());
    for (const auto& [n, entry] : numbered) {
        const qsizetype colon = entry.indexOf(u':');
        if (colon >= 0) entries.emplace_back(entry.left(colon), entry.mid(colon + 1));
    }
    return entries;
}

TspSkinData::TspSkinData(TComponent* AOwner) : TComponent(AOwner) {}

TspSkinData::~TspSkinData() {
    ResetSkin();
}

void TspSkinData::SetStoredSkin(TspStoredSkin* Value) {
    if (FStoredSkin) FStoredSkin->RemoveFreeNotification(this);
    FStoredSkin = Value;
    if (!Value) return;
    Value->FreeNotification(this);
    if (ComponentState().Contains(TComponentStateItem::csDesigning)) return;
    try {
        ApplyStoredSkin(Value);
    } catch (const Exception&) {
        ApplicationHandleException(this);
    }
}

void TspSkinData::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FStoredSkin) FStoredSkin = nullptr;
}

void TspSkinData::ResetSkin() {
    FControls.clear();
    FObjects.clear();
    FAreas.clear();
    FPictureList.clear();
    for (TSkinPictureRef& p : FFramePictures) p.reset();
    FNoSkin = true;
}

const TBitmap* TspSkinData::Picture(int Index) const {
    return Index >= 0 && Index < PictureCount() ? &FPictureList[Index]->Bitmap() : nullptr;
}

const TBitmap* TspSkinData::FramePicture(TSkinSlot Slot) const {
    const TSkinPictureRef& p = FFramePictures[int(Slot)];
    return p ? &p->Bitmap() : &NoSkinPicture();
}

void TspSkinData::ApplyStoredSkin(const TspStoredSkin* Skin) {
    FNoSkin = true;
    SendSkinMessage(SKINMSG_BEFORE_CHANGE);
    ResetSkin();
    if (!Skin) return;
    if (Skin->Damaged())
        throw EReadError(
            QStringLiteral("皮肤“%1”的图片数据已损坏，程序将不使用皮肤。").arg(Skin->FileName()));
    try {
        TMemIniFile ini(*Skin->IniStrings());
        FLoadedSkinName = ini.ReadString(QStringLiteral("VERSION"), QStringLiteral("skinname"), {});
        for (int i = 0; i < 4; ++i) FFramePictures[i] = Skin->SlotPictureRef(TSkinSlot(i));
        for (int i = 0; i < Skin->ActivePictureCount(); ++i)
            FPictureList.push_back(Skin->ActivePictureRef(i));
        FFirstCursorIndex = std::max(
            1, ini.ReadInteger(QStringLiteral("CURSORS"), QStringLiteral("startcursorindex"), 1));
        ReadFormInfo(ini);
        FPopupWindow.LoadFromFile(ini);
        FHintWindow.LoadFromFile(ini);
        ReadAreas(ini);
        ReadList(ini, QStringLiteral("SKINOBJECTS"), FObjects, CreateSkinObjectDescription);
        ReadList(ini, QStringLiteral("SKINCONTROLS"), FControls, CreateSkinControlDescription);
    } catch (const Exception& E) {
        ResetSkin();
        throw EConvertError(QStringLiteral("皮肤“%1”的定义有误，程序将不使用皮肤。%2")
                                .arg(Skin->FileName(), E.Message()));
    }
    FNoSkin = false;
    SendSkinMessage(SKINMSG_AFTER_CHANGE);
}

void TspSkinData::ReadFormInfo(TMemIniFile& Ini) {
    TSkinIniExchange x(Ini, QStringLiteral("FORMINFO"), false);
    FFormInfo = TSkinFormInfo{};
    FFormInfo.Exchange(x);
    ClampAnchors(FFormInfo);
}

void TspSkinData::ReadAreas(TMemIniFile& Ini) {
    for (const auto& [name, rect] : ReadSkinListEntries(Ini, QStringLiteral("SKINAREAS")))
        FAreas.push_back(TDataSkinArea::FromEntry(name.toString(), rect.toString()));
}

template <class T, class Make>
void TspSkinData::ReadList(TMemIniFile& Ini, const QString& Section,
                           std::vector<std::unique_ptr<T>>& List, Make Create) {
    for (const auto& [name, kind] : ReadSkinListEntries(Ini, Section)) {
        std::unique_ptr<T> d = Create(kind, name.toString());
        if (!d) continue;
        d->LoadFromFile(Ini);
        List.push_back(std::move(d));
    }
}

namespace {

template <class List> int FindByName(const List& L, const QString& Name) {
    for (size_t i = 0; i < L.size(); ++i)
        if (L[i]->IDName == Name) return int(i);
    return -1;
}

} // namespace

int TspSkinData::FindControlDescription(const QString& Name) const {
    return FindByName(FControls, Name);
}

int TspSkinData::FindObjectDescription(const QString& Name) const {
    return FindByName(FObjects, Name);
}

int TspSkinData::FindAreaDescription(const QString& Name) const {
    for (size_t i = 0; i < FAreas.size(); ++i)
        if (FAreas[i].IDName == Name) return int(i);
    return -1;
}

void TspSkinData::SendSkinMessage(unsigned Msg) {
    const WPARAM self = reinterpret_cast<WPARAM>(this);
    auto* owner = dynamic_cast<TCustomForm*>(Owner());
    if (owner && !owner->IsDestroying()) owner->SendWindowMessage(Msg, self, 1000);
    for (TCustomForm* form : Screen->Forms()) {
        if (form == owner) continue;
        // A form may go away while an earlier one handles the message.
        const std::vector<TCustomForm*> now = Screen->Forms();
        if (std::find(now.begin(), now.end(), form) == now.end() || form->IsDestroying()) continue;
        form->SendWindowMessage(Msg, self, 1000);
    }
}
