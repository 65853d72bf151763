#include "app/Ucommandmodule.h"

#include <QAction>

void EnableUnlessViewer(QAction* a, const TCommandState& state) {
    a->setEnabled(!state.viewer);
    if (state.viewer) {
        a->setToolTip(state.viewerReason);
        a->setStatusTip(state.viewerReason);
    }
}
