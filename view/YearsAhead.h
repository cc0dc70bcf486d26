#pragma once

#include <QObject>
#include <QTimer>

#include <optional>

namespace state {
struct CatalogState;
struct DataLocation;
} // namespace state
class QWidget;

namespace ui {
struct LeftPanel;
}

namespace picture {
class ShownAdModel;
}

namespace view {

// The year a user is about to choose, decoded ahead: the year button that has the keyboard focus (after a
// year is shown the focus moves on to the next one), and the enabled year button the pointer rests on.
// Once the main window is up, and after each choice of a category, the first ads of all the category's
// enabled years are also read ahead from the disc (not decoded), so that clicking through the years of a
// slow drive reads from memory.
class YearsAhead : public QObject {
    Q_OBJECT
public:
    // A pointer resting this long on a button is taken as aiming at it.
    static constexpr int HoverMilliseconds = 80;

    YearsAhead(const QWidget& window, const ui::LeftPanel& left, const state::CatalogState& catalog,
               const state::DataLocation& location, picture::ShownAdModel& model, QObject* parent = nullptr);

    // Reads ahead the first ads of the enabled years, from the year after the focused one round.
    void readCategoryAhead();

protected:
    // Installed on the main window (its first showing) and on each year button (focus, pointer).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prepare(int b);
    // The first ad of year button b, or nothing when the category has no ad for it.
    std::optional<QString> firstAdOf(int b) const;
    int buttonIndex(QObject* object) const;

    const QWidget& window_;
    const ui::LeftPanel& left_;
    const state::CatalogState& catalog_;
    const state::DataLocation& location_;
    picture::ShownAdModel& model_;
    QTimer hover_;
    int hovered_ = -1;
    bool windowShown_ = false;
};

} // namespace view
