// Builds a synthetic process on disk (roles, activities naming roles and
// work products, work products with states) of each size, opens it and runs
// the link refresh, printing each step's time. The refresh should grow about
// linearly with the number of items.

#include "BenchReport.h"
#include "PrivateProfile.h"
#include "ProcessManager.h"
#include "ui/UserInterface.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class QuietUserInterface : public UserInterface {
public:
    int messageBox(const CString&, const CString&, UINT style) override { return defaultAnswer(style); }
    void beginWaitCursor() override {}
    void endWaitCursor() override {}
    void setProgressRange(int, int) override {}
    void setProgressPos(int) override {}
};

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// About a sixth roles, a third work products (each with a state), the rest
// activities that name two roles, one input state and one output.
void buildProject(const fs::path& root, long items) {
    writeFile(root / "site.tvx", "[APPLICATION_KIND]\r\nTolvane=yes\r\n[STD_OPTION]\r\nDataVersion=v2.4.5\r\n"
                                 "[PROCESSUS]\r\nROLE_RESPONSIBILITY=performer,assistant\r\n");
    const long roles = items / 6 + 1;
    const long products = items / 6 + 1;
    const long activities = items - roles - 2 * products - 3;
    std::string tree;
    auto record = [&tree](int level, const std::string& uid, const std::string& name, const std::string& url) {
        tree += "\r\n" + std::to_string(level) + "*" + uid + "*" + name + "*" + url + "* *i.gif*o.gif*f*true*false* * *";
    };
    record(0, "N1", "Roles", "../site/Roles/overview.htm");
    for (long r = 0; r < roles; ++r) {
        const std::string name = "Role" + std::to_string(r);
        record(1, "NR" + std::to_string(r), name, "../site/Roles/" + name + "/overview.htm");
        writeFile(root / "site/Roles" / name / "process.data", "[PROCESSUS]\r\nClass=PROCESSROLE\r\n");
    }
    record(0, "N2", "Products", "../site/Products/overview.htm");
    for (long p = 0; p < products; ++p) {
        const std::string name = "Product" + std::to_string(p);
        record(1, "NP" + std::to_string(p), name, "../site/Products/" + name + "/overview.htm");
        writeFile(root / "site/Products" / name / "process.data",
                  "[PROCESSUS]\r\nClass=WORKPRODUCT\r\nAuthor=~nr" + std::to_string(p % roles) + "/author\r\n");
        record(2, "NS" + std::to_string(p), "Done", "../site/Products/" + name + "/Done/overview.htm");
        writeFile(root / "site/Products" / name / "Done/process.data", "[PROCESSUS]\r\nClass=WORKPRODUCTSTATE\r\n");
    }
    record(0, "N3", "Process", "../site/Process/overview.htm");
    writeFile(root / "site/Process/process.data", "[PROCESSUS]\r\nClass=WORKFLOW\r\n");
    for (long a = 0; a < activities; ++a) {
        const std::string name = "Activity" + std::to_string(a);
        record(1, "NA" + std::to_string(a), name, "../site/Process/" + name + "/overview.htm");
        const long in = a % products, out = (a + 1) % products;
        writeFile(root / "site/Process" / name / "process.data",
                  "[PROCESSUS]\r\nClass=ACTIVITY\r\nRoles=~nr" + std::to_string(a % roles) + "/performer,~nr" +
                      std::to_string((a + 7) % roles) + "/assistant\r\nInWorkProducts=~np" + std::to_string(in) +
                      "/ns" + std::to_string(in) + "/1\r\nOutWorkProducts=~np" + std::to_string(out) + "//1\r\n");
    }
    writeFile(root / "tolvane/MenuTreeV2.dat", tree);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<long> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atol(argv[i]));
    if (sizes.empty())
        sizes = {1000, 5000, 20000};
    QuietUserInterface quiet;
    ui::install(&quiet);
    std::string base = (fs::temp_directory_path() / "tolvane-bench-XXXXXX").string();
    if (!mkdtemp(base.data()))
        return 1;
    for (const long n : sizes) {
        const fs::path root = fs::path(base) / std::to_string(n);
        BenchTimer build;
        buildProject(root, n);
        benchReport("build project on disk", n, build.seconds());
        platform::clearProfileCache();
        BenchTimer open;
        ProcessManager manager((root / "site.tvx").string().c_str(), nullptr, 1, 0);
        manager.loadMenuTree(nullptr, 1);
        benchReport("open and read the tree", manager.getItemCount(), open.seconds());
        BenchTimer load;
        manager.updateLinks(nullptr, 0);
        benchReport("first refresh (loads every item)", manager.getItemCount(), load.seconds());
        BenchTimer refresh;
        manager.setLinksNeedRefresh();
        manager.updateLinks(nullptr, 0);
        manager.linkRoles();
        manager.linkWorkProducts();
        benchReport("link refresh (roles, work products)", manager.getItemCount(), refresh.seconds());
        // One lookup per item, by uid, through the project's index.
        BenchTimer lookups;
        long found = 0;
        for (long a = 0; a < manager.getItemCount(); ++a)
            found += manager.findItemByUid(("na" + std::to_string(a % (n / 2))).c_str()) != nullptr;
        benchReport("uid lookups (one per item)", found, lookups.seconds());
    }
    ui::install(nullptr);
    fs::remove_all(base);
    return 0;
}
