#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// While it lives, this process obeys file permissions even as root: the capabilities that
// override them are taken out of its effective set (and put back afterwards), so a folder
// without write permission really cannot be written, as for a player.
class NoPermissionOverride {
public:
    NoPermissionOverride() { FActive = Get(FSaved) && Set(Without(FSaved)); }
    ~NoPermissionOverride()
    {
        if (FActive)
            Set(FSaved);
    }
    NoPermissionOverride(const NoPermissionOverride&) = delete;
    NoPermissionOverride& operator=(const NoPermissionOverride&) = delete;

    // Drops the override for good, for a process that only saves.
    static bool DropForGood()
    {
        Caps caps;
        if (!Get(caps))
            return false;
        caps = Without(caps);
        for (__u32 capability : kOverrides)
            caps.data[capability / 32].permitted &= ~(1u << (capability % 32));
        return Set(caps);
    }

private:
    static constexpr __u32 kOverrides[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER};

    struct Caps {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    };

    static bool Get(Caps& caps) { return ::syscall(SYS_capget, &caps.header, caps.data) == 0; }
    static bool Set(Caps caps) { return ::syscall(SYS_capset, &caps.header, caps.data) == 0; }

    static Caps Without(Caps caps)
    {
        for (__u32 capability : kOverrides)
            caps.data[capability / 32].effective &= ~(1u << (capability % 32));
        return caps;
    }

    Caps FSaved;
    bool FActive = false;
};
