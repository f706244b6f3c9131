#pragma once
// Holds the calling thread to the file modes, as they hold an ordinary user: root, or any account given
// the power to pass over them, reads, writes and deletes whatever the modes say, so a refusal that a mode
// brings about is only seen once that power is set aside. Nothing else changes: the account stays the same
// and the files it owns stay its own. The power comes back when the object ends.

#include <linux/capability.h>

class DroitsOrdinaires {
public:
    DroitsOrdinaires();
    ~DroitsOrdinaires();
    DroitsOrdinaires(const DroitsOrdinaires&) = delete;
    DroitsOrdinaires& operator=(const DroitsOrdinaires&) = delete;

    // False when the power could not be set aside: a refusal expected then would not come.
    bool tenus() const { return m_tenus; }

private:
    __user_cap_data_struct m_avant[_LINUX_CAPABILITY_U32S_3] {};
    bool m_change = false;
    bool m_tenus = false;
};
