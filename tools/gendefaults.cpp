// Writes the shipped default preferences file from the library's defaults
// table, through the same store that reads it at run time.
#include <kovl/kovl.h>

#include <boost/filesystem.hpp>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <output prefs.xml>\n";
        return 2;
    }
    const std::string path = argv[1];
    boost::system::error_code ignored;
    boost::filesystem::remove(path, ignored);
    boost::filesystem::remove(path + ".lock", ignored);
    {
        std::ofstream seed(path);
        seed << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<preferences/>\n";
        if (!seed.flush()) {
            std::cerr << "cannot write " << path << "\n";
            return 1;
        }
    }
    ZUR::XmlConfigStore store;
    if (!store.loadPreferences(path, KOVL::shippedSettings())) {
        std::cerr << "cannot complete " << path << " with the defaults\n";
        return 1;
    }
    boost::filesystem::remove(path + ".lock", ignored);
    // The shipped file is read-only data for everybody; the copy made from it is the owner's.
    boost::filesystem::permissions(path, boost::filesystem::owner_read | boost::filesystem::owner_write |
                                             boost::filesystem::group_read | boost::filesystem::others_read);
    return 0;
}
