#include "convert.h"

#include "cable.h"
#include "fileio/fileio.h"
#include "ports.h"
#include "station.h"
#include "usb.h"

#include <filesystem>
#include <iostream>
#include <string_view>

namespace harwick::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: harwick convert [--precision 0.001|0.0001|0.00001] INPUT OUTPUT\n"
    "\n"
    "Converts a point list. INPUT is read as GSI (.gsi), KARD (.dat) or IDX (.idx);\n"
    "OUTPUT is written as GSI-16 (.gsi16), GSI-8 (.gsi8), KARD (.dat) or IDX (.idx).\n"
    "A .gsi16 or .gsi8 output is saved with the extension .gsi; a plain .gsi output\n"
    "keeps the flavour of a GSI input and is GSI-16 otherwise. The precision decides\n"
    "the decimals of the coordinates and the GSI unit; without --precision it is\n"
    "taken from the input. Blocks skipped on reading and anything the output cannot\n"
    "hold (rows left out, values or names cut) are reported on stderr.\n"
    "\n"
    "Also: harwick station ... (the instrument's memory over its serial command\n"
    "protocol), harwick cable ... (cable transfers and their conversions),\n"
    "harwick ports (the serial ports present, by COM name) and harwick usb ...\n"
    "(USB instruments, and access to them); each says more with --help.\n";

constexpr std::string_view kCommand = "harwick convert: ";

std::string_view kindName(pointlist::FileKind kind, std::optional<gsi::Flavour> flavour)
{
    switch (kind) {
    case pointlist::FileKind::Gsi: return flavour == gsi::Flavour::Gsi16 ? "GSI-16" : "GSI-8";
    case pointlist::FileKind::Kard: return "KARD";
    case pointlist::FileKind::Idx: return "IDX";
    case pointlist::FileKind::Unknown: break;
    }
    return "unknown";
}

void warn(std::ostream& err, std::string_view sentence)
{
    err << kCommand << "warning: " << sentence << '\n';
}

int fail(std::ostream& err, const std::string& message)
{
    err << kCommand << message << '\n';
    return kExitFailed;
}

int usage(std::ostream& err, std::string_view problem)
{
    if (!problem.empty()) err << "harwick: " << problem << '\n';
    err << kUsage;
    return kExitUsage;
}

} // namespace

int convert(const ConvertRequest& request, const text::LocalDateTime& now, std::ostream& out, std::ostream& err)
{
    const pointlist::FileKind inputKind = pointlist::kindOfPath(request.input);
    if (inputKind == pointlist::FileKind::Unknown) {
        return fail(err, "'" + request.input + "': unknown kind of point list (name it .gsi, .dat or .idx)");
    }
    pointlist::Table table;
    const pointlist::SaveTarget target = pointlist::resolveSavePath(request.output, std::nullopt);
    if (target.kind == pointlist::FileKind::Unknown) {
        return fail(err, "'" + request.output + "': unknown kind of output (name it .gsi16, .gsi8, .dat or .idx)");
    }

    std::string error;
    std::optional<std::string> content = platform::readWholeFile(request.input, error);
    if (!content) return fail(err, error);
    const pointlist::ImportReport report = pointlist::importFile(table, inputKind, *content);
    const std::vector<std::string> notes = pointlist::importNotes(report, inputKind);
    if (pointlist::exportableRows(table) == 0) {
        std::string why;
        for (const std::string& note : notes) why += " " + note;
        return fail(err, "'" + request.input + "': no points found." + why);
    }
    for (const std::string& note : notes) warn(err, note);
    if (request.precision) pointlist::changePrecision(table, *request.precision);

    // As the window saves a GSI name that names no flavour.
    pointlist::SaveTarget written = target;
    if (written.kind == pointlist::FileKind::Gsi && !written.flavour) {
        written.flavour = table.flavour ? table.flavour : pointlist::kDefaultFlavour;
    }
    const std::optional<gsi::Flavour> flavour = written.flavour;
    pointlist::ExportResult result = pointlist::exportFile(table, written.kind, flavour, now);
    if (!platform::replaceFileAtomically(written.path, result.content, error)) return fail(err, error);
    for (const std::string& loss : pointlist::saveLosses(table, written, result)) warn(err, loss);
    out << "converted " << result.rowsWritten << " point(s) from " << kindName(inputKind, table.flavour) << " '"
        << request.input << "' to " << kindName(target.kind, flavour) << " '" << target.path << "' (precision "
        << pointlist::info(table.precision).text << ")\n";
    return kExitOk;
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) return usage(err, "no command given");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << kUsage;
        return kExitOk;
    }
    if (args[0] == "ports") return ports(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    if (args[0] == "usb") return usb(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    if (args[0] == "station") return station(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    if (args[0] == "cable") {
        std::error_code ec;
        const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
        return cable(std::vector<std::string>(args.begin() + 1, args.end()), {std::cin, out, err},
                     ec ? std::filesystem::path() : self.parent_path());
    }
    if (args[0] != "convert") return usage(err, "unknown command '" + args[0] + "'");

    ConvertRequest request;
    std::vector<std::string> files;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out << kUsage;
            return kExitOk;
        }
        if (a == "--precision" || a.starts_with("--precision=")) {
            std::string value;
            if (a == "--precision") {
                if (i + 1 >= args.size()) return usage(err, "--precision needs a value");
                value = args[++i];
            } else {
                value = a.substr(std::string_view("--precision=").size());
            }
            request.precision = pointlist::parsePrecision(value);
            if (!request.precision) return usage(err, "precision must be 0.001, 0.0001 or 0.00001, not '" + value + "'");
        } else if (a.starts_with("--") && a.size() > 2) {
            return usage(err, "unknown option '" + a + "'");
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) return usage(err, "convert takes an INPUT and an OUTPUT file");
    request.input = files[0];
    request.output = files[1];
    return convert(request, text::localNow(), out, err);
}

} // namespace harwick::cli
