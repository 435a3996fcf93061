// clsRecentMenu: keeps the File menu's recent-file entries in step with "Recent Files.txt".
// It holds no list of its own: every operation reads the file again.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QFont;
class QWidget;

namespace ninefold {

class clsRecentMenu {
  public:
    clsRecentMenu() = default;
    clsRecentMenu(const clsRecentMenu&) = delete;
    clsRecentMenu& operator=(const clsRecentMenu&) = delete;

    // vMenu: the menu entries, item 0 existing from the start; items 1 and up are created
    // below it and destroyed again by CreateRecentMenu. vSeparator may be null; without
    // vMaxLength the screen's width in pixels is the limit.
    void Initialize(QWidget* vOwner, std::vector<QAction*>* vMenu, const QString& vFileName,
                    QAction* vSeparator, std::optional<int32_t> vMaxLength, int16_t vMaxItems);

    // Told the index of a clicked entry.
    void SetClickHandler(std::function<void(int)> handler) { click_ = std::move(handler); }

    // The length of the file, 0 when it is missing, empty or cannot be examined.
    int32_t FileExisits(const QString& path) const;

    // Each returns an empty text, or the reason the list file could not be read or written;
    // the menu is rebuilt either way.
    std::string AddToList(const QString& path);
    std::string RemoveFromList(const QString& path);
    std::string CreateRecentMenu();

    QString ShortenPath(const QString& path) const;

    // The full path an entry stands for, exactly as stored.
    QString Tag(int index) const;
    const QString& ListFile() const { return listFile_; }
    int32_t MaxLength() const { return maxLength_; }

  private:
    void destroyExtraItems();
    QAction* itemFor(int k);
    void connectClick(QAction* item, int index);
    QFont captionFont() const;

    QWidget* owner_ = nullptr;
    std::vector<QAction*>* menu_ = nullptr;
    QString listFile_;
    QAction* separator_ = nullptr;
    int32_t maxLength_ = 0;
    int16_t maxItems_ = 0;
    std::function<void(int)> click_;
    QObject guard_;
};

}  // namespace ninefold
