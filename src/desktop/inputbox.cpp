#include "desktop/inputbox.h"

#include "desktop/boxowner.h"
#include "services/cp932.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kMaxNameBytes = 255;
constexpr int kEditMinimumWidth = 280;

} // namespace

TCp932LengthValidator::TCp932LengthValidator(int maxBytes, QObject* parent) : QValidator(parent), FMaxBytes(maxBytes) {}

QValidator::State TCp932LengthValidator::validate(QString& input, int& pos) const
{
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (input.at(i) == u'\r' || input.at(i) == u'\n') {
            input.truncate(i);
            pos = std::min(pos, int(i));
            break;
        }
    }
    return cp932::ByteLength(input) > FMaxBytes ? Invalid : Acceptable;
}

TInputBoxDialog::TInputBoxDialog(const QString& caption, const QString& prompt, const QString& defaultValue,
                                 QWidget* parent)
    : QDialog(parent), FDefault(defaultValue)
{
    setWindowTitle(caption);

    FPrompt = new QLabel(prompt, this);
    FEdit = new QLineEdit(this);
    FEdit->setValidator(new TCp932LengthValidator(kMaxNameBytes, FEdit));
    FEdit->setText(defaultValue);
    FEdit->selectAll();
    FEdit->setMinimumWidth(kEditMinimumWidth);
    FPrompt->setBuddy(FEdit);

    FOk = new QPushButton(QStringLiteral("OK"), this);
    FOk->setDefault(true);
    FCancel = new QPushButton(tr("キャンセル"), this);
    connect(FOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(FCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FOk);
    buttons->addWidget(FCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FPrompt);
    layout->addWidget(FEdit);
    layout->addLayout(buttons);
    setLayout(layout);
}

QString TInputBoxDialog::Answer() const
{
    return result() == Accepted ? FEdit->text() : FDefault;
}

QString QtInputBoxService::InputBox(const QString& caption, const QString& prompt, const QString& defaultValue)
{
    TInputBoxDialog dialog(caption, prompt, defaultValue, BoxOwner());
    dialog.exec();
    return dialog.Answer();
}
