// kovconfig: the agent adaptor.
//
// Encrypts and decrypts secrets (the proxy password, the reputation-service
// credentials) on behalf of the controller. The controller does not own the
// adaptor and uses it only while holding the process-wide adaptor mutex.
// The base class has no cipher of its own: both operations answer false and
// leave `out` untouched. Hosts derive from it and override both operations.
#pragma once

#include <kovl/export.h>

#include <string>

namespace KOVL {

class KOVL_EXPORT TpAgentAdaptor {
public:
    virtual ~TpAgentAdaptor();
    virtual bool encryptMessage(std::string& in, int mode, std::string& out, unsigned long& length);
    virtual bool decryptMessage(std::string& in, int mode, std::string& out);
};

}  // namespace KOVL
