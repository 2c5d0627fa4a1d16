// Checks the program's include structure from its sources: each folder
// includes only the folders below it, and no two units (a header with its
// source) reach each other through includes.
//   fiscova_include_check <source folder>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// What each folder may include, besides itself.
struct Layer {
    const char* folder;
    std::vector<const char*> below;
};

const Layer kLayers[] = {
    {"platform", {}},
    {"data", {"platform"}},
    {"kit", {"data", "platform"}},
    {"pages/money", {"kit", "data", "platform"}},
    {"pages/credit", {"kit", "data", "platform"}},
    {"pages/surveys", {"kit", "data", "platform"}},
    {"pages/planning", {"kit", "data", "platform"}},
    {"reports", {"kit", "data", "platform"}},
    {"app", {"pages", "reports", "kit", "data", "platform"}},
};

bool StartsWith(const std::string& s, const std::string& prefix)
{
    return s.compare(0, prefix.size(), prefix) == 0;
}

const Layer* LayerOf(const std::string& path)
{
    for (const Layer& layer : kLayers) {
        if (StartsWith(path, std::string(layer.folder) + "/"))
            return &layer;
    }
    return nullptr;
}

std::string UnitOf(const std::string& path)
{
    return path.substr(0, path.find_last_of('.'));
}

std::vector<std::string> IncludesOf(const fs::path& file)
{
    static const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<std::string> found;
    std::ifstream in(file);
    std::string line;
    std::smatch m;
    while (std::getline(in, line)) {
        if (std::regex_search(line, m, include))
            found.push_back(m[1]);
    }
    return found;
}

// The groups of units that reach each other (strongly connected
// components of more than one unit), by Tarjan's algorithm.
class Circles {
public:
    explicit Circles(const std::map<std::string, std::set<std::string>>& edges) : edges_(edges)
    {
        for (const auto& [unit, unused] : edges_) {
            if (!index_.count(unit))
                Visit(unit);
        }
    }
    const std::vector<std::vector<std::string>>& Found() const { return found_; }

private:
    void Visit(const std::string& unit)
    {
        index_[unit] = low_[unit] = next_++;
        stack_.push_back(unit);
        onStack_.insert(unit);
        if (const auto it = edges_.find(unit); it != edges_.end()) {
            for (const std::string& to : it->second) {
                if (!index_.count(to)) {
                    Visit(to);
                    low_[unit] = std::min(low_[unit], low_[to]);
                } else if (onStack_.count(to)) {
                    low_[unit] = std::min(low_[unit], index_[to]);
                }
            }
        }
        if (low_[unit] != index_[unit])
            return;
        std::vector<std::string> group;
        std::string member;
        do {
            member = stack_.back();
            stack_.pop_back();
            onStack_.erase(member);
            group.push_back(member);
        } while (member != unit);
        if (group.size() > 1)
            found_.push_back(group);
    }

    const std::map<std::string, std::set<std::string>>& edges_;
    std::map<std::string, int> index_, low_;
    std::vector<std::string> stack_;
    std::set<std::string> onStack_;
    std::vector<std::vector<std::string>> found_;
    int next_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <source folder>\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    int faults = 0;
    int files = 0;
    std::map<std::string, std::set<std::string>> edges;
    for (const Layer& layer : kLayers) {
        const fs::path folder = root / layer.folder;
        if (!fs::exists(folder))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".h" && ext != ".cpp")
                continue;
            ++files;
            const std::string path = fs::relative(entry.path(), root).generic_string();
            for (const std::string& included : IncludesOf(entry.path())) {
                const Layer* target = LayerOf(included);
                if (!target)
                    continue; // a system or Qt header
                bool allowed = target == &layer;
                for (const char* below : layer.below)
                    allowed = allowed || StartsWith(included, std::string(below) + "/");
                if (!allowed) {
                    std::printf("%s includes %s, which is not below it\n", path.c_str(), included.c_str());
                    ++faults;
                }
                if (UnitOf(included) != UnitOf(path))
                    edges[UnitOf(path)].insert(UnitOf(included));
            }
        }
    }
    const Circles circles(edges);
    for (const std::vector<std::string>& group : circles.Found()) {
        std::string units;
        for (const std::string& u : group)
            units += (units.empty() ? "" : ", ") + u;
        std::printf("these units include each other: %s\n", units.c_str());
        ++faults;
    }
    std::printf("%d files, %d faults\n", files, faults);
    return files > 0 && faults == 0 ? 0 : 1;
}
