#pragma once

#include <QApplication>
#include <QString>

// The application object: holds the title that error boxes carry, and shows any error that
// escapes an event handler instead of letting it cross the event loop.
class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& title);

    // The standard error box: the title as caption, an error icon and an OK button.
    void ShowException(const QString& message) const;

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QString FTitle;
};
