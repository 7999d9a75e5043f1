#include <kovl/config/TpAgentAdaptor.h>
#include <kovl/config/Types.h>

#include <utility>

namespace KOVL {

AMException::AMException(AM_ERROR_CODES code, std::string message)
    : code_(code), message_(std::move(message)) {}

AM_ERROR_CODES AMException::getErrorCode() const { return code_; }

std::string AMException::getErrorMessage() const { return message_; }

const char* AMException::what() const noexcept { return message_.c_str(); }

TpAgentAdaptor::~TpAgentAdaptor() = default;

bool TpAgentAdaptor::encryptMessage(std::string&, int, std::string&, unsigned long&) { return false; }

bool TpAgentAdaptor::decryptMessage(std::string&, int, std::string&) { return false; }

}  // namespace KOVL
