#pragma once

#include "engine/preview.h"

#include <QListWidget>

#include <optional>

namespace tessarin {

// The item of an editor's list under the pointer, which the change panel previews as if it were chosen.
struct ListHover {
    const QListWidget* list = nullptr;
    int row = -1;
};

// The text a list stands for in a preview: the item under the pointer, else the selected item, else empty.
inline QString shownItemText(const QListWidget* list, const ListHover& hover)
{
    if (hover.list == list)
        if (const QListWidgetItem* item = list->item(hover.row))
            return item->text();
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

// An editor whose confirmation the change panel (Form18) can preview.
class PreviewSource {
public:
    virtual ~PreviewSource() = default;
    // What pressing its confirm button now would do, read from its controls with `hover` as if chosen;
    // nothing when the button would do nothing.
    virtual std::optional<Candidate> previewCandidate(const ListHover& hover) const = 0;
};

} // namespace tessarin
