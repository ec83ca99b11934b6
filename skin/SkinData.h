#pragma once
// The skin data component: parses a stored skin into descriptions and pictures and tells every
// form when the skin changes (SKINMSG_BEFORE_CHANGE / SKINMSG_AFTER_CHANGE, WParam = the skin
// data, LParam = 1000).

#include "skin/SkinDataControls.h"
#include "skin/SkinDataObjects.h"
#include "skin/SkinDataStored.h"

#include <memory>
#include <vector>

// The frame's values ([FORMINFO]).
struct TSkinFormInfo {
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClientRect;
    TRect MaskRectArea;
    TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
    TPoint RollUpLeftPoint, RollUpRightPoint;
    TRect MainMenuRect;
    TRect IconRect;
    bool MainMenuPopupUp = false;
    int BorderWidth = 0;
    int FormCursorIndex = -1;
    void Exchange(TSkinIniExchange& X);
};

class TspSkinData : public TComponent {
public:
    explicit TspSkinData(TComponent* AOwner);
    ~TspSkinData() override;

    TspStoredSkin* StoredSkin() const { return FStoredSkin; }
    // Stores the reference and applies the stored skin at once. A skin that cannot be applied is
    // reported through the application (the program goes on without a skin).
    void SetStoredSkin(TspStoredSkin* Value);
    // Loads the skin; NoSkin stays set and the exception passes on when the INI text or the
    // pictures cannot be read.
    void ApplyStoredSkin(const TspStoredSkin* Skin);
    void ResetSkin();

    // Position of the first description named exactly Name, or -1.
    int FindControlDescription(const QString& Name) const;
    int FindObjectDescription(const QString& Name) const;
    int FindAreaDescription(const QString& Name) const;

    bool NoSkin() const { return FNoSkin; }
    const QString& LoadedSkinName() const { return FLoadedSkinName; }
    int FirstCursorIndex() const { return FFirstCursorIndex; }

    // The frame picture, its mask and the rolled-up frame's pair; empty when the skin has none.
    const TBitmap* FramePicture(TSkinSlot Slot) const;
    int PictureCount() const { return int(FPictureList.size()); }
    // nullptr for an index outside the list.
    const TBitmap* Picture(int Index) const;

    const std::vector<std::unique_ptr<TDataSkinControl>>& ControlDescriptions() const {
        return FControls;
    }
    const std::vector<std::unique_ptr<TDataSkinObject>>& ObjectDescriptions() const {
        return FObjects;
    }
    const std::vector<TDataSkinArea>& AreaDescriptions() const { return FAreas; }
    const TDataSkinPopupWindow& PopupWindow() const { return FPopupWindow; }
    const TDataSkinHintWindow& HintWindow() const { return FHintWindow; }
    const TSkinFormInfo& FormInfo() const { return FFormInfo; }

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void SendSkinMessage(unsigned Msg);
    void ReadFormInfo(TMemIniFile& Ini);
    void ReadAreas(TMemIniFile& Ini);
    template <class T, class Make>
    void ReadList(TMemIniFile& Ini, const QString& Section, std::vector<std::unique_ptr<T>>& List,
                  Make Create);

    TspStoredSkin* FStoredSkin = nullptr;
    QString FLoadedSkinName;
    // Shared with the stored skin; decoded when first drawn.
    TSkinPictureRef FFramePictures[4];
    std::vector<TSkinPictureRef> FPictureList;
    std::vector<std::unique_ptr<TDataSkinControl>> FControls;
    std::vector<std::unique_ptr<TDataSkinObject>> FObjects;
    std::vector<TDataSkinArea> FAreas;
    TDataSkinPopupWindow FPopupWindow;
    TDataSkinHintWindow FHintWindow;
    TSkinFormInfo FFormInfo;
    int FFirstCursorIndex = 1;
    bool FNoSkin = true;
};

// The numbered entries of a list section ("count", then "0", "1", ...), split at the first ":"
// into name and value; entries without ":" are left out. Only keys the section holds are
// visited, so a huge count costs nothing. The views are valid while Ini is unchanged.
std::vector<std::pair<QStringView, QStringView>> ReadSkinListEntries(const TMemIniFile& Ini,
                                                                     const QString& Section);
