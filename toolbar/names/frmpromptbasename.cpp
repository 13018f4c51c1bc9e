#include "toolbar/names/frmpromptbasename.h"

#include "desktop/qtext.h"
#include "toolbar/core/naming.h"
#include "toolbar/names/namedetails.h"
#include "toolbar/names/selectallonfocus.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace toolbar {

frmPromptBaseName::frmPromptBaseName(AppContext &app, QWidget *parent)
    : QDialog(parent), m_app(app),
      m_lblExplain(new QLabel(QStringLiteral("Below is a randomly generated base name.  You may modify it if you "
                                             "want to make this base name meaningful to you in the future."),
                              this)),
      m_lblBaseName(new QLabel(QStringLiteral("New Base Name:"), this)), txtBaseName(new QLineEdit(this)),
      cmdOK(new QPushButton(QStringLiteral("OK"), this)), cmdCancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("frmPromptBaseName"));
    setWindowTitle(QStringLiteral("New Base Name"));
    // Above the always-on-top toolbar, like every dialog the toolbar opens.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    setModal(true);
    txtBaseName->setObjectName(QStringLiteral("txtBaseName"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    SelectAllOnFocus::install(txtBaseName);
    buildLayout();

    connect(cmdOK, &QPushButton::clicked, this, &frmPromptBaseName::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPromptBaseName::buildLayout()
{
    m_lblExplain->setWordWrap(true);
    m_lblBaseName->setBuddy(txtBaseName);
    cmdOK->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lblExplain);
    layout->addSpacing(6);
    layout->addWidget(m_lblBaseName);
    layout->addWidget(txtBaseName);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_lblExplain->setFixedWidth(m_lblExplain->fontMetrics().averageCharWidth() * 48);
}

void frmPromptBaseName::showModal()
{
    m_app.globals.NewBaseName.clear();
    txtBaseName->setText(toQt(RandomBaseName(m_app.globals)));
    txtBaseName->setFocus(Qt::OtherFocusReason);
    txtBaseName->selectAll();
    exec();
}

void frmPromptBaseName::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        txtBaseName->setFocus(Qt::ActiveWindowFocusReason);
}

void frmPromptBaseName::cmdOK_Click()
{
    // Handed over exactly as typed: the caller treats empty text as no name at all.
    const std::string name = fromQt(txtBaseName->text());
    if (const std::string problem = BaseNameProblem(name); !problem.empty()) {
        m_app.desktop.messages.showMessage(problem);
        txtBaseName->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_app.globals.NewBaseName = name;
    accept();
}

} // namespace toolbar
