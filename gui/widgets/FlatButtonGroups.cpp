#include "gui/widgets/FlatButtonGroups.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QVariant>
#include <QWidget>

namespace gui::widgets {

namespace {
constexpr const char* kIndexProperty = "flatGroupIndex";
}  // namespace

QButtonGroup* flatButtonGroup(QWidget* parent, int index) {
    for (auto* group : parent->findChildren<QButtonGroup*>(Qt::FindDirectChildrenOnly))
        if (group->property(kIndexProperty).toInt() == index) return group;
    auto* group = new QButtonGroup(parent);
    group->setProperty(kIndexProperty, index);
    // Qt's exclusive groups refuse to uncheck their checked button; a group that allows all
    // up is therefore not exclusive, and a newly checked button unchecks the others here.
    QObject::connect(group, &QButtonGroup::buttonToggled, group, [group](QAbstractButton* button, bool on) {
        if (!on || group->exclusive()) return;
        for (QAbstractButton* other : group->buttons())
            if (other != button) other->setChecked(false);
    });
    return group;
}

}  // namespace gui::widgets
