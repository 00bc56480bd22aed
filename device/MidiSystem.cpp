#include "MidiSystem.h"

#include <QCoreApplication>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

std::string FileText(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// "Client  24 : "Rig Pedal" [Kernel]" and the lines of its ports below it.
struct SequencerClient {
    std::string name;
    // port name -> the client numbers it is connected to or from
    std::map<std::string, std::set<int>> peers;
};

std::map<int, SequencerClient> SequencerClients(const std::string& procRoot)
{
    static const std::regex client(R"(^Client +(\d+) : \"(.*)\" )");
    static const std::regex port(R"(^  Port +\d+ : \"(.*)\" )");
    static const std::regex peers(R"(^    Connect(ing To|ed From): (.*))");
    static const std::regex peer(R"((\d+):\d+)");
    std::map<int, SequencerClient> clients;
    std::istringstream lines(FileText(procRoot + "/asound/seq/clients"));
    SequencerClient* current = nullptr;
    std::string portName;
    std::smatch m;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_search(line, m, client)) {
            current = &clients[std::stoi(m[1])];
            current->name = m[2];
        } else if (current && std::regex_search(line, m, port)) {
            portName = m[1];
            current->peers[portName];
        } else if (current && std::regex_search(line, m, peers)) {
            const std::string list = m[2];
            for (std::sregex_iterator it(list.begin(), list.end(), peer), end; it != end; ++it)
                current->peers[portName].insert(std::stoi((*it)[1]));
        }
    }
    return clients;
}

// Card and device number of "hw:C,D[,S]" in m[1] and m[2].
bool CardAndDevice(const std::string& device, std::smatch& m)
{
    static const std::regex hw(R"(^hw:(\d+),(\d+))");
    return std::regex_search(device, m, hw);
}

bool IsOwnClient(const std::string& name) { return name.rfind("RtMidi ", 0) == 0; }

}  // namespace

size_t SequencerBufferSize(const std::string& parameterFile)
{
    const std::string text = Trimmed(FileText(parameterFile));
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), ::isdigit))
        return kSequencerDefaultBuffer;
    const size_t size = std::stoul(text);
    return size > 0 ? size : kSequencerDefaultBuffer;
}

QString SequencerBufferFix()
{
    return QCoreApplication::translate(
               "Midi", "Load snd-seq-midi with output_buffer_size=%1: the Corvanta package's "
                       "/etc/modprobe.d/corvanta.conf does so from the module's next load (after a reboot, or with every "
                       "MIDI program closed: sudo modprobe -r snd-seq-midi && sudo modprobe snd-seq-midi). Or close the programs "
                       "that use the pedal, so that it is reached through raw MIDI.")
        .arg(kSequencerBufferFix);
}

std::string ProgramName(int pid, const std::string& procRoot)
{
    const std::string name = Trimmed(FileText(procRoot + "/" + std::to_string(pid) + "/comm"));
    const std::string id = "PID " + std::to_string(pid);
    return name.empty() ? id : name + " (" + id + ")";
}

std::string RawMidiNode(const std::string& device)
{
    std::smatch m;
    return CardAndDevice(device, m) ? "/dev/snd/midiC" + m[1].str() + "D" + m[2].str() : std::string();
}

QString DeviceAccessAdvice(const std::string& device)
{
    const std::string node = RawMidiNode(device);
    struct stat info {};
    const group* owner = stat(node.c_str(), &info) == 0 ? getgrgid(info.st_gid) : nullptr;
    if (!owner)
        return QCoreApplication::translate("Midi", "ask the administrator for access to %1")
            .arg(QString::fromStdString(node));
    return QCoreApplication::translate("Midi", "%1 belongs to the group %2. Add yourself to it (sudo usermod -aG %2 "
                                               "$USER) and log in again.")
        .arg(QString::fromStdString(node), QString::fromLocal8Bit(owner->gr_name));
}

std::vector<std::string> RawMidiHolders(const std::string& device, const std::string& procRoot)
{
    static const std::regex owner(R"(Owner PID\s*:\s*(\d+))");
    std::smatch m;
    if (!CardAndDevice(device, m))
        return {};
    const std::string info = FileText(procRoot + "/asound/card" + m[1].str() + "/midi" + m[2].str());
    std::vector<std::string> holders;
    for (std::sregex_iterator it(info.begin(), info.end(), owner), end; it != end; ++it) {
        const int pid = std::stoi((*it)[1]);
        if (pid == getpid())
            continue;
        const std::string name = ProgramName(pid, procRoot);
        if (std::find(holders.begin(), holders.end(), name) == holders.end())
            holders.push_back(name);
    }
    return holders;
}

std::vector<std::string> SequencerSubscribers(const std::string& portName, const std::string& procRoot)
{
    const std::map<int, SequencerClient> clients = SequencerClients(procRoot);
    std::vector<std::string> names;
    for (const auto& [number, client] : clients) {
        const auto port = client.peers.find(portName);
        if (port == client.peers.end())
            continue;
        for (int peer : port->second) {
            const auto other = clients.find(peer);
            const std::string name = other == clients.end() ? "client " + std::to_string(peer) : other->second.name;
            if (!IsOwnClient(name) && std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
        }
    }
    return names;
}

std::string JoinNames(const std::vector<std::string>& names, const std::string& nobody)
{
    if (names.empty())
        return nobody;
    std::string text = names.front();
    for (size_t i = 1; i < names.size(); ++i)
        text += (i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}
