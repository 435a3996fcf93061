// The recent-files menu: entries rebuilt from the list file after every change, captions
// shortened to fit in the menu's font.
#include "ui/recent_menu.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLockFile>
#include <QMenu>
#include <QScreen>
#include <QThread>
#include <QWidget>

#include "files/file_io.h"
#include "files/qt_paths.h"
#include "files/recent_list.h"
#include "files/shorten_path.h"

namespace ninefold {

namespace {

int32_t screenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().width() : 0;
}

QMenu* menuOf(const QAction* item) {
    for (QObject* object : item->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(object)) {
            return menu;
        }
    }
    return nullptr;
}

// Inserts item right after previous in every menu that shows previous.
void insertAfter(QAction* previous, QAction* item) {
    for (QObject* object : previous->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(object);
        if (menu == nullptr) {
            continue;
        }
        const QList<QAction*> actions = menu->actions();
        const qsizetype at = actions.indexOf(previous) + 1;
        menu->insertAction(at < actions.size() ? actions[at] : nullptr, item);
    }
}

// Several game windows may change the list at once: the lock beside the list makes each read,
// change and rewrite whole, so no window's entry is lost. A lock left behind by a copy that
// died is taken over at once (the lock names its process). A lock still held after the wait
// leaves the list as it is; the file that was opened stays open.
constexpr int kListLockWaitMs = 3000;
constexpr int kListLockRetryMs = 5;

// QLockFile's own wait doubles its pause after every try, so a copy that keeps meeting the lock
// held by others tries only a handful of times and can miss every moment it is free; trying
// every few milliseconds gives each copy its turn.
bool lockWithin(QLockFile& lock, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || clock.elapsed() >= milliseconds) {
            return false;
        }
        QThread::msleep(kListLockRetryMs);
    }
    return true;
}

std::string changeLocked(const QString& listFile, const std::function<std::string()>& change) {
    QLockFile lock(listFile + QStringLiteral(".lock"));
    if (!lockWithin(lock, kListLockWaitMs)) {
        return "the recent-files list is locked";
    }
    return change();
}

}  // namespace

void clsRecentMenu::Initialize(QWidget* vOwner, std::vector<QAction*>* vMenu,
                               const QString& vFileName, QAction* vSeparator,
                               std::optional<int32_t> vMaxLength, int16_t vMaxItems) {
    owner_ = vOwner;
    menu_ = vMenu;
    listFile_ = vFileName;
    separator_ = vSeparator;
    maxLength_ = vMaxLength.value_or(screenWidth());
    maxItems_ = vMaxItems;
    connectClick((*menu_)[0], 0);
    CreateRecentMenu();
}

int32_t clsRecentMenu::FileExisits(const QString& path) const {
    return ninefold::FileExisits(ToFsPath(path));
}

std::string clsRecentMenu::AddToList(const QString& path) {
    std::string error = changeLocked(listFile_, [&] {
        return AddToRecentList(ToFsPath(listFile_), ToUtf8(path), SamePathAnyCase);
    });
    const std::string menuError = CreateRecentMenu();
    return error.empty() ? menuError : error;
}

std::string clsRecentMenu::RemoveFromList(const QString& path) {
    std::string error = changeLocked(listFile_, [&] {
        return RemoveFromRecentList(ToFsPath(listFile_), ToUtf8(path), SamePathAnyCase);
    });
    const std::string menuError = CreateRecentMenu();
    return error.empty() ? menuError : error;
}

std::string clsRecentMenu::CreateRecentMenu() {
    destroyExtraItems();
    const RecentRead read = ReadRecentList(
        ToFsPath(listFile_), static_cast<std::size_t>(std::max<int16_t>(maxItems_, 0)));
    for (std::size_t k = 0; k < read.entries.size(); ++k) {
        QAction* item = itemFor(static_cast<int>(k));
        const QString path = FromUtf8(read.entries[k]);
        item->setData(path);
        // '&' would otherwise mark an access key; the caption carries none.
        QString caption = QString::number(k + 1) + QLatin1Char(' ') + ShortenPath(path);
        item->setText(caption.replace(QLatin1Char('&'), QLatin1String("&&")));
    }
    const bool shown = !read.entries.empty();
    if (separator_ != nullptr) {
        separator_->setVisible(shown);
    }
    for (QAction* item : *menu_) {
        item->setVisible(shown);
    }
    return read.error;
}

QString clsRecentMenu::ShortenPath(const QString& path) const {
    const QFontMetrics metrics(captionFont());
    const MeasureText measure = [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(FromUtf8(text));
    };
    return FromUtf8(ninefold::ShortenPath(ToUtf8(path), maxLength_, measure));
}

QString clsRecentMenu::Tag(int index) const {
    if (menu_ == nullptr || index < 0 || index >= static_cast<int>(menu_->size())) {
        return {};
    }
    return (*menu_)[static_cast<std::size_t>(index)]->data().toString();
}

void clsRecentMenu::destroyExtraItems() {
    while (menu_->size() > 1) {
        QAction* item = menu_->back();
        menu_->pop_back();
        for (QObject* object : item->associatedObjects()) {
            if (auto* widget = qobject_cast<QWidget*>(object)) {
                widget->removeAction(item);
            }
        }
        // Later, not now: the entry being clicked may be the one that goes.
        item->deleteLater();
    }
    (*menu_)[0]->setData(QVariant());
}

QAction* clsRecentMenu::itemFor(int k) {
    if (k == 0) {
        return (*menu_)[0];
    }
    QAction* previous = menu_->back();
    auto* item = new QAction(previous->parent());
    item->setObjectName(previous->objectName());
    insertAfter(previous, item);
    menu_->push_back(item);
    connectClick(item, k);
    return item;
}

void clsRecentMenu::connectClick(QAction* item, int index) {
    // guard_ as the context: the connection ends with this object or with the item.
    QObject::connect(item, &QAction::triggered, &guard_, [this, index] {
        if (click_) {
            click_(index);
        }
    });
}

QFont clsRecentMenu::captionFont() const {
    if (menu_ != nullptr && !menu_->empty()) {
        if (const QMenu* menu = menuOf((*menu_)[0])) {
            return menu->font();
        }
    }
    return owner_ != nullptr ? owner_->font() : QGuiApplication::font();
}

}  // namespace ninefold
