#pragma once

#include "ui/common/twips.h"

#include <QString>

namespace tessarin {

// Names a control (when `name` is given) and puts it at its designed place, in twips of its parent.
template <typename W> W* place(W* widget, const char* name, int left, int top, int width, int height)
{
    if (name)
        widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

// The same for a name composed at run time ("Option%1").
template <typename W> W* place(W* widget, const QString& name, int left, int top, int width, int height)
{
    widget->setObjectName(name);
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

} // namespace tessarin
