#pragma once

#include <QString>

// Opening a web address in the desktop's default browser, behind a seam for tests.
class ShellService {
public:
    virtual ~ShellService() = default;
    // Returns at once; a failure to open is not reported.
    virtual void OpenUrl(const QString& url) = 0;
};

class QtShellService final : public ShellService {
public:
    void OpenUrl(const QString& url) override;
};
