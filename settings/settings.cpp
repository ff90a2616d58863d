#include "settings/settings.h"

#include "platform/errors.h"
#include "platform/vb.h"
#include "settings/keys.h"

QString settingsPath(const FileSystem& files) { return FileSystem::join(files.programFolder(), qs(ini::kFileName)); }

QString le_ini(const ProfileFile& profile, const QString& file, const QString& section, const QString& key,
               const QString& defaultValue)
{
    int32_t size = 0;
    for (;;) {
        if (size > INT32_MAX - 256)
            vberr::raise(vberr::Overflow);
        size += 256;
        const ProfileFile::Read r = profile.read(file, section, key, defaultValue, size);
        if (r.count >= size - 1)
            continue;  // the value may have been cut
        return r.count > 0 ? r.text.left(r.count) : QString();
    }
}

void writeSetting(Workstation& ws, std::string_view section, std::string_view key, const QString& value)
{
    ws.profile.write(settingsPath(ws.files), qs(section), qs(key), value);
}

QString readSetting(const Workstation& ws, std::string_view section, std::string_view key)
{
    return le_ini(ws.profile, settingsPath(ws.files), qs(section), qs(key), QString());
}

void gera_ini_base(Workstation& ws)
{
    for (const ini::Entry& e : ini::kImpressoraDefaults) {
        const QString value = e.key == "Path" ? ws.files.programFolder() : qs(e.value);
        tryStep([&] { writeSetting(ws, ini::kImpressora, e.key, value); });
    }
    for (const ini::MarginKey& m : ini::kMarginDefaults)
        tryStep([&] { writeSetting(ws, ini::kMargens, m.key, qs(m.fileDefault)); });
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
