// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "HelpWindow.h"

#include "ProgramIcon.h"
#include "platform/WindowPlacement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// A screen reader meets the help window as a document named by its title.
QAccessibleInterface* HelpDocument(const QString& className, QObject* object) {
    if (className == QLatin1String("THelpWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Document);
    return nullptr;
}

} // namespace

THelpWindow::THelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    static const bool documentRole = (QAccessible::installFactory(HelpDocument), true);
    (void)documentRole;
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Slidora Help"));
    setAccessibleName(windowTitle());
    setWindowIcon(ProgramIcon());
    resize(620, 540);

    ButtonContents = new QPushButton(tr("&Contents"), this);
    ButtonContents->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    ButtonBack = new QPushButton(tr("&Back"), this);
    ButtonBack->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    ButtonBack->setShortcut(QKeySequence::Back);
    ButtonBack->setEnabled(false);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("HelpText"));
    Browser->setAccessibleName(windowTitle());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonContents);
    buttons->addWidget(ButtonBack);
    buttons->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addLayout(buttons);
    column->addWidget(Browser, 1);

    connect(ButtonContents, &QPushButton::clicked, Browser, &QTextBrowser::home);
    connect(ButtonBack, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(Browser, &QTextBrowser::backwardAvailable, ButtonBack, &QPushButton::setEnabled);
}

void THelpWindow::ShowContents(const QString& helpFile, const QString& topic) {
    if (QFileInfo(helpFile).isFile()) {
        // Reopening the page already shown goes back to its top, the contents,
        // and keeps the way back to the topic the player was reading.
        QUrl page = QUrl::fromLocalFile(helpFile);
        if (!topic.isEmpty()) page.setFragment(topic);
        Browser->setSource(page);
        ButtonContents->setEnabled(true);
    } else {
        ShowMissingPage(helpFile);
    }
    show();
    raise();
    activateWindow();
}

void THelpWindow::ShowMissingPage(const QString& helpFile) {
    Browser->clearHistory(); // Back must not lead to the file that is gone
    Browser->setHtml(
        tr("<h2>Slidora Help</h2><p>The help file %1 cannot be found.</p>").arg(helpFile.toHtmlEscaped()));
    ButtonContents->setEnabled(false);
}

QString HelpFileFor(const QString& folder, const QString& language) {
    QStringList languages{language};
    if (language.contains(QLatin1Char('_'))) languages << language.section(QLatin1Char('_'), 0, 0);
    for (const QString& each : languages) {
        if (each.isEmpty()) continue;
        const QString file = folder + QStringLiteral("slidora.%1.html").arg(each);
        if (QFileInfo(file).isFile()) return file;
    }
    return folder + HelpFileName;
}

THelpWindow& HelpWindowOf(QWidget* owner) {
    if (auto* window = owner->findChild<THelpWindow*>(QString(), Qt::FindDirectChildrenOnly)) return *window;
    // First shown over the game's window; where the player moves it, it stays.
    auto* window = new THelpWindow(owner);
    PlaceWindow(*window, owner->window()->frameGeometry(), UsableAreaOf(owner), owner->window());
    return *window;
}
