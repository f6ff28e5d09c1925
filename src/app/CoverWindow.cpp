#include "app/CoverWindow.h"

#include "app/AppTexts.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QVBoxLayout>

namespace orv {

CoverWindow::CoverWindow(const QString& pictureFolder, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmHyoshi"));
    setWindowTitle(ProductName);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x10, 0x18, 0x40));
    pal.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 28, 36, 28);
    layout->setSpacing(6);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    QPixmap hat(QDir(pictureFolder).filePath(StartPictureName));
    if (!hat.isNull())
        picture->setPixmap(hat.scaled(hat.size() * 2, Qt::KeepAspectRatio, Qt::FastTransformation));
    picture->setAlignment(Qt::AlignCenter);
    picture->installEventFilter(this);
    layout->addWidget(picture);

    QLabel* name = AddLabel(QStringLiteral("Label1"), ProductName, 28, true);
    name->setAlignment(Qt::AlignCenter);
    QLabel* maker = AddLabel(QStringLiteral("Label2"), MakerLine, 12);
    maker->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);
    layout->addWidget(maker);
    layout->addSpacing(12);

    const QStringList features = {
        QStringLiteral("☆全国の市町村の緯度と経度に応じた専用星座早見笠作成機能"),
        QStringLiteral("☆４大惑星（金星・火星・木星・土星）の表示機能"),
        QStringLiteral("★色や大きさなどを自由に変更できるカスタマイズ機能"),
        QStringLiteral("★江戸時代の星座「天文成象」版の早見笠作成機能（試作版）"),
        QStringLiteral("★ひずみが少なく誰でも実際の星空と見比べやすい立体笠形"),
    };
    int n = 3;
    for (const QString& line : features)
        layout->addWidget(AddLabel(QStringLiteral("Label%1").arg(n++), line, 11));
    layout->addSpacing(8);
    layout->addWidget(AddLabel(QStringLiteral("Label8"), PlanetMethodCredit, 9));
    layout->addSpacing(12);
    QLabel* prompt = AddLabel(QStringLiteral("Label13"), QStringLiteral("■クリックすると起動■"), 12, true);
    prompt->setAlignment(Qt::AlignCenter);
    layout->addWidget(prompt);
}

QLabel* CoverWindow::AddLabel(const QString& name, const QString& text, int pointSize, bool bold)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    QFont font(CoverFontFamily, pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->installEventFilter(this);
    return label;
}

void CoverWindow::Activate()
{
    if (activated_)
        return;
    activated_ = true;
    emit Activated();
}

void CoverWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Activate();
}

void CoverWindow::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    Activate();
}

bool CoverWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        Activate();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orv
