#pragma once

#include <QDialog>
#include <QString>
#include <QValidator>

class QLabel;
class QLineEdit;
class QPushButton;

// The modal input box behind a seam, so game tests can answer it without a dialog.
class InputBoxService {
public:
    virtual ~InputBoxService() = default;
    // Returns the edited text on OK (possibly empty), the default on cancel or close.
    virtual QString InputBox(const QString& caption, const QString& prompt, const QString& defaultValue) = 0;
};

// Keeps a one-line text within a number of CP932 bytes (a double-byte character counts
// two). Input past the limit is refused whole; a line break and what follows it are dropped.
class TCp932LengthValidator final : public QValidator {
    Q_OBJECT

public:
    explicit TCp932LengthValidator(int maxBytes, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

private:
    int FMaxBytes = 0;
};

// The input box itself: caption, prompt, a one-line edit field, "OK" (Enter) and
// "キャンセル" (Esc).
class TInputBoxDialog final : public QDialog {
    Q_OBJECT
public:
    TInputBoxDialog(const QString& caption, const QString& prompt, const QString& defaultValue,
                    QWidget* parent = nullptr);

    // What the box answers once it has closed: the text if accepted, else the default.
    QString Answer() const;

    QLineEdit* Edit() const { return FEdit; }
    QLabel* Prompt() const { return FPrompt; }
    QPushButton* OkButton() const { return FOk; }
    QPushButton* CancelButton() const { return FCancel; }

private:
    QString FDefault;
    QLabel* FPrompt = nullptr;
    QLineEdit* FEdit = nullptr;
    QPushButton* FOk = nullptr;
    QPushButton* FCancel = nullptr;
};

class QtInputBoxService final : public InputBoxService {
public:
    QString InputBox(const QString& caption, const QString& prompt, const QString& defaultValue) override;
};
