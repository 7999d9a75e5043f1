// zlytpcli: the reputation service (ORQ) and proxy commands. The proxy
// password is encrypted through the library before it is stored and is never
// printed.
#include <termios.h>
#include <unistd.h>

#include <iostream>

#include "Handlers.h"
#include "View.h"

namespace zlytpcli {

using S = KOVL::AMCliStringConstants;

namespace {

// Proxy types: the two stored flags (proxy in use, custom proxy) and the label.
struct ProxyType {
    const std::string* word;
    bool enabled;
    bool custom;
    const std::string* label;
};
const ProxyType kProxyTypes[] = {
    {&S::PARAM_NOPROXY, false, false, &S::SHOWPROXYCONFIG_TYPE_NOPROXY},
    {&S::PARAM_SYSTEMPROXY, true, false, &S::SHOWPROXYCONFIG_TYPE_SYSTEMPROXY},
    {&S::PARAM_CUSTOMPROXY, true, true, &S::SHOWPROXYCONFIG_TYPE_CUSTOMPROXY},
};

const std::string kPasswordHelp =
    "Password for authentication with the proxy server. Allowed only when --httpauth is enable. Give - to "
    "read it from the standard input; given with no value on a terminal, it is asked for without echo.";

// The password as given: "-" reads one line from standard input, no value on a
// terminal asks for it without echo.
std::string givenPassword(const Invocation& in) {
    const std::string word = S::CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_PASSWORD;
    const std::string value = in.sub(word);
    const bool terminal = ::isatty(STDIN_FILENO) != 0;
    if (!value.empty() && value != "-") return value;
    if (value.empty() && !terminal)
        refuse(S::INVALID_PROXYSERVER_PASSWORD_MSG,
               "zlytpcli: --" + word + " needs a value; give - to read it from the standard input.");
    termios saved{};
    const bool hide = terminal && ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) std::cerr << "Proxy password: " << std::flush;
    if (hide) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    std::getline(std::cin, line);
    if (hide) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::cerr << "\n";
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty())
        refuse(S::INVALID_PROXYSERVER_PASSWORD_MSG,
               "zlytpcli: the password read from the standard input is empty.");
    return line;
}

}  // namespace

std::vector<SubOption> proxySubOptions() {
    return {{&S::CLI_PROXYSERVERCONFIG_SUB_TYPE,
             &S::CLI_PROXYSERVERCONFIG_SUB_TYPE_DESC,
             Arity::One,
             &S::INVALID_PROXYSERVERCONFIG_SUB_TYPE_ARGUMENT_MSG,
             {S::PARAM_NOPROXY, S::PARAM_SYSTEMPROXY, S::PARAM_CUSTOMPROXY}},
            {&S::CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH, &S::CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_DESC, Arity::One,
             &S::INVALID_PROXYSERVERCONFIG_SUB_HTTPAUTH_ARGUMENT_MSG, enableChoices()},
            {&S::CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_USERNAME,
             &S::CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_USERNAME_DESC, Arity::One,
             &S::INVALID_PROXYSERVER_USERNAME_MSG},
            {&S::CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_PASSWORD, &kPasswordHelp, Arity::Maybe,
             &S::INVALID_PROXYSERVER_PASSWORD_MSG},
            {&S::CLI_PROXYSERVERCONFIG_SUB_URL, &S::CLI_PROXYSERVERCONFIG_SUB_URL_DESC, Arity::One,
             &S::INVALID_PROXYSERVER_URL_MSG},
            {&S::CLI_PROXYSERVERCONFIG_SUB_PORT, &S::CLI_PROXYSERVERCONFIG_SUB_PORT_DESC, Arity::One,
             &S::INVALID_PROXYSERVER_PORT_MSG}};
}

std::vector<SubOption> telemetrySubOptions() {
    return {
        {&S::CLI_ORQTELEMETRY_SUB_SETSTATUS, &S::CLI_ORQTELEMETRY_SUB_SETSTATUS_DESC, Arity::One,
         &S::INVALID_SETSTATUS_ARGUMENT_MSG, enableChoices()},
        {&S::CLI_ORQTELEMETRY_SUB_GETSTATUS, &S::CLI_ORQTELEMETRY_SUB_GETSTATUS_DESC, Arity::None, nullptr}};
}

Status setORQ(Context& ctx, const Invocation& in) {
    const bool on = enableWord(in.value());
    return report(ctx, ctx.controller.setORQStatus(on), S::ORQ_CONFIGURATION_COULD_NOT_BE_SET_MSG);
}

// ORQ telemetry is the reputation service's feedback switch.
Status orqTelemetry(Context& ctx, const Invocation& in) {
    const bool set = in.has(S::CLI_ORQTELEMETRY_SUB_SETSTATUS),
               get = in.has(S::CLI_ORQTELEMETRY_SUB_GETSTATUS);
    if (!set && !get) refuse(S::NO_OPTION_PASSED_MSG);
    if (set && get) refuse(S::ONE_SUBOPTION_ALLOWED_MSG);
    Controller& c = ctx.controller;
    if (set) {
        const bool on = enableWord(in.sub(S::CLI_ORQTELEMETRY_SUB_SETSTATUS));
        return report(ctx, c.setORQFeedbackStatus(on), S::ORQ_CONFIGURATION_COULD_NOT_BE_SET_MSG);
    }
    bool on = false;
    if (c.getORQFeedbackStatus(on) != KOVL::AM_SUCCESS) refuse(S::VALUE_COULD_NOT_BE_SET_MSG, kFailed);
    View().field("orqTelemetry", S::ORQ_TELEMETRY, enabledCell(on)).print(ctx.out, ctx.json);
    return kOk;
}

Status proxyServerConfig(Context& ctx, const Invocation& in) {
    if (!in.has(S::CLI_PROXYSERVERCONFIG_SUB_TYPE))
        refuse(S::INVALID_PROXYSERVERCONFIG_SUB_TYPE_ARGUMENT_MSG);
    const std::string word = in.sub(S::CLI_PROXYSERVERCONFIG_SUB_TYPE);
    const ProxyType* type = nullptr;
    for (const ProxyType& row : kProxyTypes)
        if (*row.word == word) type = &row;
    if (!type) refuse(S::INVALID_PROXYSERVERCONFIG_SUB_TYPE_ARGUMENT_MSG);

    const bool url = in.has(S::CLI_PROXYSERVERCONFIG_SUB_URL),
               port = in.has(S::CLI_PROXYSERVERCONFIG_SUB_PORT);
    const bool auth = in.has(S::CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH);
    const bool user = in.has(S::CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_USERNAME);
    const bool password = in.has(S::CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_PASSWORD);
    if (!type->enabled && in.subCount() > 1) refuse(S::NO_SUBOPTIONS_ALLOWED_WHEN_TYPE_IS_NOPROXY_MSG);
    if (type->enabled && !type->custom && url)
        refuse(S::SUBOPTIONS_URL_NOT_ALLOWED_WHEN_TYPE_IS_SYSTEMPROXY_MSG);
    if (type->enabled && !type->custom && port)
        refuse(S::SUBOPTIONS_PORT_NOT_ALLOWED_WHEN_TYPE_IS_SYSTEMPROXY_MSG);
    if (type->custom && (!url || !port))
        refuse(S::SUBOPTIONS_URL_AND_PORT_MANDATORY_WHEN_TYPE_IS_CUSTOMPROXY_MSG);
    if (user && !auth) refuse(S::SUBOPTIONS_HTTPAUTH_IS_MANDATORY_WITH_USERNAME_MSG);
    if (password && !auth) refuse(S::SUBOPTIONS_HTTPAUTH_IS_MANDATORY_WITH_PASSWORD_MSG);
    const bool authOn = auth && enableWord(in.sub(S::CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH));
    if (authOn && (!user || !password))
        refuse(S::SUBOPTIONS_USERNAME_AND_PASSWORD_MANDATORY_WITH_HTTPAUTH_MSG);
    if (auth && !authOn && (user || password))
        refuse(S::SUBOPTIONS_USERNAME_AND_PASSWORD_NOT_ALLOWED_WHEN_HTTPAUTH_IS_DISABLE_MSG);
    if (url && in.sub(S::CLI_PROXYSERVERCONFIG_SUB_URL).empty()) refuse(S::INVALID_PROXYSERVER_URL_MSG);
    const long portNumber = port ? number(in.sub(S::CLI_PROXYSERVERCONFIG_SUB_PORT), 0, 65535,
                                          S::INVALID_PROXYSERVER_PORT_MSG, S::CLI_PROXYSERVERCONFIG_SUB_PORT)
                                 : 0;
    if (user && in.sub(S::CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_USERNAME).empty())
        refuse(S::INVALID_PROXYSERVER_USERNAME_MSG);
    std::string clear = password && authOn ? givenPassword(in) : std::string();

    Controller& c = ctx.controller;
    ZUR::ZURProxyConfig config = c.getProxyConfiguration();  // keeps the proxy exclusions
    config.proxyIsEnabled = type->enabled;
    config.proxyCustomIsEnabled = type->custom;
    config.proxyCustomServer = type->custom ? in.sub(S::CLI_PROXYSERVERCONFIG_SUB_URL) : std::string();
    config.proxyCustomPort = type->custom ? std::to_string(portNumber) : std::string();
    config.proxyHttpAuthIsEnabled = authOn;
    config.proxyHttpAuthUserName =
        authOn ? in.sub(S::CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_USERNAME) : std::string();
    config.proxyHttpAuthPassword.clear();
    if (authOn && !c.getEncryptedProxyPass(clear, config.proxyHttpAuthPassword))
        refuse(S::VALUE_COULD_NOT_BE_SET_MSG, kFailed);
    std::fill(clear.begin(), clear.end(), '\0');
    if (!succeeded(c.setProxyConfiguration(config))) refuse(S::VALUE_COULD_NOT_BE_SET_MSG, kFailed);
    ctx.out << S::SUCCESSFULLY_SET_PROXY_CONFIG_MSG << "\n";
    return kOk;
}

Status showProxyServerConfig(Context& ctx, const Invocation&) {
    const ZUR::ZURProxyConfig config = ctx.controller.getProxyConfiguration();
    const ProxyType& type = !config.proxyIsEnabled        ? kProxyTypes[0]
                            : config.proxyCustomIsEnabled ? kProxyTypes[2]
                                                          : kProxyTypes[1];
    View view;
    view.field("type", S::SHOWPROXYCONFIG_TYPE, {*type.word, *type.label});
    if (type.custom) {
        const std::string& port = config.proxyCustomPort;
        const bool numeric =
            !port.empty() && port.find_first_not_of("0123456789") == std::string::npos && port.size() <= 5;
        view.field("url", S::SHOWPROXYCONFIG_URL, config.proxyCustomServer)
            .field("port", S::SHOWPROXYCONFIG_PORT, numeric ? Cell(std::stol(port), port) : Cell(port));
    }
    if (type.enabled)
        view.field("httpAuthentication", S::SHOWPROXYCONFIG_HTTP_AUTHENTICATION,
                   enabledCell(config.proxyHttpAuthIsEnabled));
    if (type.enabled && config.proxyHttpAuthIsEnabled)
        view.field("username", S::SHOWPROXYCONFIG_USERNAME, config.proxyHttpAuthUserName);
    view.print(ctx.out, ctx.json);
    return kOk;
}

}  // namespace zlytpcli
