#include "support/DroitsOrdinaires.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The powers that pass over file modes: reading, writing and searching any file or folder, and acting on
// a file as its owner would (deleting in a sticky folder, changing its modes).
constexpr unsigned PouvoirsSurLesModes =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

bool lire(__user_cap_data_struct* donnees)
{
    __user_cap_header_struct entete {_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capget, &entete, donnees) == 0;
}

bool ecrire(__user_cap_data_struct* donnees)
{
    __user_cap_header_struct entete {_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capset, &entete, donnees) == 0;
}

}  // namespace

DroitsOrdinaires::DroitsOrdinaires()
{
    if (!lire(m_avant))
        return;
    if ((m_avant[0].effective & PouvoirsSurLesModes) != 0) {
        __user_cap_data_struct sans[_LINUX_CAPABILITY_U32S_3];
        for (int i = 0; i < _LINUX_CAPABILITY_U32S_3; ++i)
            sans[i] = m_avant[i];
        sans[0].effective &= ~PouvoirsSurLesModes;
        if (!ecrire(sans))
            return;
        m_change = true;
    }
    __user_cap_data_struct maintenant[_LINUX_CAPABILITY_U32S_3];
    m_tenus = lire(maintenant) && (maintenant[0].effective & PouvoirsSurLesModes) == 0;
}

DroitsOrdinaires::~DroitsOrdinaires()
{
    // Set aside from the effective set only, the powers are still permitted and can be taken back.
    if (m_change)
        ecrire(m_avant);
}
