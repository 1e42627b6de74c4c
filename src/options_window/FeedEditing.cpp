#include "options_window/FeedEditing.h"

#include "feeds/FeedList.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QRegularExpression>

QString FeedAddressOfText(const QString& text) {
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\r\n]")))) {
        const QString address = line.trimmed();
        if (!address.isEmpty()) return address;
    }
    return {};
}

std::optional<QString> FeedAddressProblem(const QString& address) {
    if (address.size() > kMaxFeedAddress)
        return QCoreApplication::translate("NewsBarPage",
                                           "The address is longer than %1 characters, which "
                                           "the feed list cannot keep.")
            .arg(kMaxFeedAddress);
    return std::nullopt;
}

void AskFeedAddress(QWidget* parent, const QString& title, const QString& prompt,
                    const QString& text, std::function<void(const QString& answer)> answered) {
    auto* dialog = new QInputDialog(parent);
    dialog->setObjectName(QStringLiteral("askFeed"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(text);
    dialog->setAccessibleName(title);
    QObject::connect(dialog, &QInputDialog::textValueSelected, parent,
                     [answered = std::move(answered)](const QString& answer) { answered(answer); });
    dialog->open();
}
