#pragma once

#include <QObject>

namespace state {
struct CatalogState;
struct DataLocation;
} // namespace state
namespace catalog {
class FileLister;
}
namespace ui {
struct LeftPanel;
}

namespace view {

// The category options: choosing one sets the category, re-labels the two special years and offers the
// year buttons that have ads in that category.
class CategoryOptions : public QObject {
    Q_OBJECT
public:
    CategoryOptions(ui::LeftPanel& left, state::CatalogState& catalog, const state::DataLocation& location,
                    const catalog::FileLister& lister, QObject* parent = nullptr);

    void categoryClicked(int optionIndex);
    // Enables the year buttons of the category; buttons are only ever disabled by a category click.
    void EnableYearButtons(const QString& categoryKey);

signals:
    // The category is set up; its first year is to be shown.
    void categoryChosen(int firstYearButton);

private:
    ui::LeftPanel& left_;
    state::CatalogState& catalog_;
    const state::DataLocation& location_;
    const catalog::FileLister& lister_;
};

} // namespace view
