#include "app/ZoomBar.h"

#include "astro/Numeric.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace orv {

ZoomBar::ZoomBar(const QList<QAction*>& commands, QWidget* parent) : QWidget(parent), percent_(new QLabel(this))
{
    setObjectName(QStringLiteral("ZoomBar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    percent_->setObjectName(QStringLiteral("LabelZoom"));
    percent_->setMinimumWidth(percent_->fontMetrics().horizontalAdvance(QStringLiteral("表示 400%")));
    percent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(percent_);
    for (QAction* command : commands) {
        auto* button = new QToolButton(this);
        button->setDefaultAction(command);
        button->setAutoRaise(true);
        row->addWidget(button);
    }
    ShowZoom(1.0);
}

void ZoomBar::ShowZoom(double zoom)
{
    percent_->setText(QStringLiteral("表示 %1%").arg(Round32(zoom * 100)));
}

} // namespace orv
