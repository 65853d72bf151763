#include "app/Udialogwidth.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>

namespace {

// The frame's icon and its three buttons beside the title.
constexpr int FrameRoom = 160;

} // namespace

int TitleWidth(const QDialog& dialog) {
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    return title.horizontalAdvance(dialog.windowTitle()) + FrameRoom;
}

bool TDialogWidthFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* dialog = qobject_cast<QDialog*>(watched)) {
            const int width = TitleWidth(*dialog);
            if (dialog->minimumWidth() < width)
                dialog->setMinimumWidth(width);
            if (dialog->width() < width)
                dialog->resize(width, dialog->height());
        }
    }
    return QObject::eventFilter(watched, event);
}
