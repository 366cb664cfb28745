#include "ui/qt_dialogs.h"

#include "platform/linux/translation.h"
#include "ui/qt_convert.h"
#include "ui/qt_font.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include <cstdio>

namespace kelvaro {

namespace {

QMessageBox::Icon iconFor(BoxKind kind) {
    switch (kind) {
    case BoxKind::Error:
        return QMessageBox::Critical;
    case BoxKind::Warning:
        return QMessageBox::Warning;
    case BoxKind::Information:
        return QMessageBox::Information;
    case BoxKind::Confirmation:
        return QMessageBox::Question;
    case BoxKind::Note:
    case BoxKind::BeepNote:
        return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton buttonFor(Answer answer) {
    switch (answer) {
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::OK:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Ignore:
        return QMessageBox::Ignore;
    case Answer::Close:
        return QMessageBox::Close;
    }
    return QMessageBox::Ok;
}

} // namespace

Answer QtDialogs::messageBox(BoxKind kind, const std::string& title, const std::string& text,
                             const std::vector<Answer>& buttons) {
    const std::vector<Answer> offered = buttons.empty() ? std::vector<Answer>{Answer::OK} : buttons;
    if (unattended_) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return offered.front();
    }
    // A window of its own, on top: a box must never go down with a window being
    // minimised or closed, or the program would wait for an answer nobody can give.
    QMessageBox box(iconFor(kind), translated(title), translated(text), QMessageBox::NoButton);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    for (Answer a : offered)
        box.addButton(buttonFor(a));
    box.setDefaultButton(buttonFor(offered.front()));
    if (kind == BoxKind::BeepNote) QApplication::beep();
    const int pressed = box.exec();
    for (Answer a : offered)
        if (pressed == buttonFor(a)) return a;
    return Answer::Close; // closed without pressing a button
}

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = qs(filter).split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& part : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString p = part.trimmed();
            // "*.*" means every file there, also one without a dot; a name's case
            // does not matter there either, so "*.mp3" also shows "SONG.MP3".
            if (p == QStringLiteral("*.*")) {
                patterns << QStringLiteral("*");
            } else {
                patterns << p;
                if (p.toUpper() != p) patterns << p.toUpper();
            }
        }
        out << translated(stdString(parts[i].trimmed())) + QStringLiteral(" (") +
                   patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

std::optional<std::string> QtDialogs::chooseFile(const FileRequest& request) {
    if (unattended_) return std::nullopt;
    QWidget* parent = QApplication::activeWindow();
    const QString title = translated(request.title);
    const QString dir = qs(request.initialDir);
    QString chosen;
    if (request.folder)
        chosen = QFileDialog::getExistingDirectory(parent, title, dir);
    else if (request.save)
        chosen = QFileDialog::getSaveFileName(parent, title, dir, qtFileFilter(request.filter));
    else
        chosen = QFileDialog::getOpenFileName(parent, title, dir, qtFileFilter(request.filter));
    if (chosen.isEmpty()) return std::nullopt;
    return stdString(chosen);
}

std::optional<FontChoice> QtDialogs::chooseFont(const FontChoice& initial,
                                                const std::function<void(const FontChoice&)>& apply) {
    if (unattended_) return std::nullopt;
    QFontDialog dialog(qtFont(initial), QApplication::activeWindow());
    dialog.setOption(QFontDialog::DontUseNativeDialog); // the Apply button lives in Qt's own dialog
    dialog.setOption(QFontDialog::ScalableFonts);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* applyButton = buttons->addButton(QDialogButtonBox::Apply);
        QObject::connect(applyButton, &QPushButton::clicked, &dialog, [&] {
            if (apply) apply(fontChoice(dialog.currentFont(), initial));
        });
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return fontChoice(dialog.selectedFont(), initial);
}

} // namespace kelvaro
