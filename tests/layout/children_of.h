// The direct children of a panel that are of one class, in stacking order.
#pragma once

#include <QWidget>
#include <vector>

template <typename T> std::vector<T *> ChildrenOf(QWidget &panel)
{
    std::vector<T *> found;
    for (QObject *child : panel.children())
        if (auto *t = dynamic_cast<T *>(child))
            found.push_back(t);
    return found;
}
