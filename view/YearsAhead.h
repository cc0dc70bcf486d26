#pragma once

#include <QObject>
#include <QTimer>

namespace state {
struct CatalogState;
struct DataLocation;
} // namespace state
namespace ui {
class Form1;
}

namespace view {

class ShownAdModel;

// The year a user is about to choose, decoded ahead: the year button that has the keyboard focus (after a
// year is shown the focus moves on to the next one), and the enabled year button the pointer rests on.
class YearsAhead : public QObject {
    Q_OBJECT
public:
    // A pointer resting this long on a button is taken as aiming at it.
    static constexpr int HoverMilliseconds = 80;

    YearsAhead(ui::Form1& window, const state::CatalogState& catalog, const state::DataLocation& location,
               ShownAdModel& model, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prepare(int b);
    int buttonIndex(QObject* object) const;

    ui::Form1& window_;
    const state::CatalogState& catalog_;
    const state::DataLocation& location_;
    ShownAdModel& model_;
    QTimer hover_;
    int hovered_ = -1;
};

} // namespace view
