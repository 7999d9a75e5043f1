// Builds a controller from the installed package over a scratch directory
// and reads one preference back.
#include <kovl/kovl.h>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    ZUR::StreamLogger logger(std::cerr, 2);
    KOVL::PreferenceFiles files;
    files.current = std::string(argv[1]) + "/prefs.xml";
    files.shipped = argv[2];
    KOVL::KOVConfigController controller(logger, std::make_unique<ZUR::XmlConfigStoreUtility>(),
                                         std::make_unique<ZUR::XmlConfigStore>(), nullptr, nullptr, files);
    const std::string timeout =
        controller.getStringConfiguration("51", "DNDOASGlobalSettings.MaxScanTimeout");
    std::cout << timeout << "\n";
    return timeout == "45" ? EXIT_SUCCESS : EXIT_FAILURE;
}
