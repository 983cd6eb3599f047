#include "skin/TouchSizes.h"

#include <QWidget>

namespace orelle {

void MakeTouchable(QWidget* widget) {
    const QString side = QString::number(kTouchSide) + QStringLiteral("px");
    widget->setStyleSheet(
        QStringLiteral(
            "QPushButton, QToolButton { min-height: %1; min-width: %1; padding: 0 12px; }"
            "QLineEdit, QComboBox, QDateEdit, QSpinBox { min-height: %1; }"
            "QAbstractItemView::item { height: %1; }"
            "QHeaderView::section { min-height: %1; }"
            "QCheckBox, QRadioButton { min-height: %1; }"
            "QCheckBox::indicator, QRadioButton::indicator { width: 28px; height: 28px; }"
            "QScrollBar:vertical { width: %1; } QScrollBar:horizontal { height: %1; }")
            .arg(side));
}

}  // namespace orelle
