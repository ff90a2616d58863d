#include "settings/settings.h"

#include "platform/errors.h"
#include "platform/vb.h"
#include "settings/keys.h"

QString settingsPath(const FileSystem& files) { return FileSystem::join(files.programFolder(), qs(ini::kFileName)); }

QString le_ini(const ProfileFile& profile, const QString& file, const QString& section, const QString& key,
               const QString& defaultValue)
{
    // The buffer grows to 256, 512, ... characters until the count copied is below its size less
    // one: the first multiple of 256 above the length plus one. That ends with the whole value,
    // so it is read once, whole; only the size count's range is left to check. Quotes around a
    // value are not counted against it: the program's own quoting must cost no character.
    const QString value = profile.readWhole(file, section, key, defaultValue);
    const qint64 size = (static_cast<qint64>(value.size()) + 1) / 256 * 256 + 256;
    if (size > (static_cast<qint64>(INT32_MAX) / 256) * 256)
        vberr::raise(vberr::Overflow);
    return value;
}

QString writeFailureMessage(const WriteResult& result)
{
    return QStringLiteral("Não foi possível gravar o arquivo ") + result.file + QStringLiteral(": ") + result.reason +
           u'.';
}

bool reportWrite(Workstation& ws, const WriteResult& result)
{
    if (result)
        return true;
    tryStep([&] { ws.messages.show(writeFailureMessage(result), mb::OKOnly | mb::Critical); });
    return false;
}

bool saveSettings(Workstation& ws, const std::vector<ProfileFile::Change>& changes)
{
    return reportWrite(ws, ws.profile.write(settingsPath(ws.files), changes));
}

bool writeSetting(Workstation& ws, std::string_view section, std::string_view key, const QString& value)
{
    return saveSettings(ws, {{qs(section), qs(key), value}});
}

QString readSetting(const Workstation& ws, std::string_view section, std::string_view key)
{
    return le_ini(ws.profile, settingsPath(ws.files), qs(section), qs(key), QString());
}

void gera_ini_base(Workstation& ws)
{
    // One rewrite for all the defaults, so a failing disk gives one message, not seventeen.
    std::vector<ProfileFile::Change> defaults;
    for (const ini::Entry& e : ini::kImpressoraDefaults)
        defaults.push_back({qs(ini::kImpressora), qs(e.key), e.key == "Path" ? ws.files.programFolder() : qs(e.value)});
    for (const ini::MarginKey& m : ini::kMarginDefaults)
        defaults.push_back({qs(ini::kMargens), qs(m.key), qs(m.fileDefault)});
    tryStep([&] { saveSettings(ws, defaults); });
    tryStep([&] {
        const QString batch = FileSystem::join(ws.files.programFolder(), qs(ini::kBatchFile));
        if (ws.files.fileExists(batch))
            ws.files.deleteFile(batch);
    });
}

float barcodeFactorFrom(const QString& text)
{
    const auto v = vb::parseNumber(text);
    return v ? static_cast<float>(*v) : kDefaultBarcodeFactor;
}
