#include "platform/profilefile.h"

#include "platform/codepage.h"
#include "platform/filelocks.h"

#include <cerrno>
#include <limits>
#include <vector>

namespace {

QStringView trimmed(QStringView s)
{
    qsizetype b = 0, e = s.size();
    auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (b < e && blank(s[b]))
        ++b;
    while (e > b && blank(s[e - 1]))
        --e;
    return s.sliced(b, e - b);
}

QString trimBlanksTabs(QStringView s) { return trimmed(s).toString(); }

bool sameName(QStringView a, QStringView b)
{
    // ASCII letters only are folded, as the workstation's profile calls do.
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        QChar x = a[i], y = b[i];
        if (x.unicode() < 128)
            x = x.toLower();
        if (y.unicode() < 128)
            y = y.toLower();
        if (x != y)
            return false;
    }
    return true;
}

struct Entry {
    bool isKey = false;
    QString name;   // key name, or the whole line for a comment or a line without "="
    QString value;  // raw value, trimmed, quotes kept
};

struct Section {
    bool named = false;
    QString name;
    std::vector<Entry> entries;
};

std::vector<Section> parse(const QString& text)
{
    std::vector<Section> sections(1);  // lines before the first header
    FileSystem::forEachLine(text, [&](QStringView raw) {
        const QStringView t = trimmed(raw);
        if (t.isEmpty())
            return true;
        if (t.startsWith(u'[')) {
            const auto close = t.indexOf(u']');
            Section s;
            s.named = true;
            s.name = trimBlanksTabs(close < 0 ? t.mid(1) : t.mid(1, close - 1));
            sections.push_back(std::move(s));
            return true;
        }
        Entry e;
        const auto eq = t.indexOf(u'=');
        if (t.startsWith(u';') || t.startsWith(u'#') || eq < 0) {
            e.name = t.toString();
        } else {
            e.isKey = true;
            e.name = trimBlanksTabs(t.left(eq));
            e.value = trimBlanksTabs(t.mid(eq + 1));
        }
        sections.back().entries.push_back(std::move(e));
        return true;
    });
    return sections;
}

QString serialise(const std::vector<Section>& sections)
{
    QString out;
    for (const Section& s : sections) {
        if (s.named)
            out += u'[' + s.name + QStringLiteral("]\r\n");
        for (const Entry& e : s.entries) {
            out += e.isKey ? e.name + u'=' + e.value : e.name;
            out += QStringLiteral("\r\n");
        }
    }
    return out;
}

// The raw value of a key, found the way parse() and findSection() would find it, without
// building the whole file: only the first section of the name is searched.
std::optional<QString> lookUp(QStringView text, const QString& section, const QString& key)
{
    const QStringView s = trimmed(section), k = trimmed(key);
    bool inside = false;
    std::optional<QString> found;
    FileSystem::forEachLine(text, [&](QStringView raw) {
        const QStringView t = trimmed(raw);
        if (t.isEmpty())
            return true;
        if (t.startsWith(u'[')) {
            if (inside)
                return false;
            const auto close = t.indexOf(u']');
            inside = sameName(trimmed(close < 0 ? t.mid(1) : t.mid(1, close - 1)), s);
            return true;
        }
        if (!inside || t.startsWith(u';') || t.startsWith(u'#'))
            return true;
        const auto eq = t.indexOf(u'=');
        if (eq < 0 || !sameName(trimmed(t.left(eq)), k))
            return true;
        found = trimBlanksTabs(t.mid(eq + 1));
        return false;
    });
    return found;
}

Section* findSection(std::vector<Section>& sections, const QString& name)
{
    for (Section& s : sections)
        if (s.named && sameName(s.name, trimBlanksTabs(name)))
            return &s;
    return nullptr;
}

// The copy the workstation makes into the caller's buffer: one pair of matching quotes is taken
// off, the closing one only when it fitted.
ProfileFile::Read copyEntry(const QString& value, int bufferSize)
{
    ProfileFile::Read r;
    if (bufferSize <= 0)
        return r;
    QString v = value;
    QChar quote;
    if (v.size() >= 2 && (v[0] == u'\'' || v[0] == u'"') && v.back() == v[0]) {
        quote = v[0];
        v = v.mid(1);
    }
    const int fit = bufferSize - 1;
    QString copied = v.left(fit);
    if (!quote.isNull() && bufferSize >= v.size() && !copied.isEmpty())
        copied.chop(1);
    r.text = copied;
    r.count = static_cast<int>(copied.size());
    return r;
}

}  // namespace

ProfileFile::Read ProfileFile::read(const QString& file, const QString& section, const QString& key,
                                    const QString& defaultValue, int bufferSize) const
{
    if (const auto bytes = files_.readBytes(file))
        if (const auto value = lookUp(cp1252::decode(*bytes), section, key))
            return copyEntry(*value, bufferSize);
    QString d = defaultValue;
    while (d.endsWith(u' '))
        d.chop(1);
    return copyEntry(d, bufferSize);
}

QString ProfileFile::readWhole(const QString& file, const QString& section, const QString& key,
                               const QString& defaultValue) const
{
    return read(file, section, key, defaultValue, std::numeric_limits<int>::max()).text;
}

namespace {

bool holdsLineBreak(const QString& s) { return s.contains(u'\r') || s.contains(u'\n'); }

// Applies one change to the parsed file; answers whether anything changed.
bool apply(std::vector<Section>& sections, const ProfileFile::Change& change, bool fileExists)
{
    Section* s = findSection(sections, change.section);
    if (!change.key) {
        if (!s)
            return false;
        for (auto it = sections.begin(); it != sections.end(); ++it)
            if (&*it == s) {
                sections.erase(it);
                break;
            }
        return true;
    }

    const QString k = trimBlanksTabs(*change.key);
    Entry* existing = nullptr;
    if (s)
        for (Entry& e : s->entries)
            if (e.isKey && sameName(e.name, k)) {
                existing = &e;
                break;
            }

    if (!change.value) {
        if (!existing)
            return false;
        for (auto it = s->entries.begin(); it != s->entries.end(); ++it)
            if (&*it == existing) {
                s->entries.erase(it);
                break;
            }
        return true;
    }

    // The program saves what was typed, blanks around it included, and shows it so when read
    // back: such a value goes between quotes, which every reader takes off again.
    QString v = *change.value;
    const bool surrounded = !v.isEmpty() && (v.front() == u' ' || v.front() == u'\t' || v.back() == u' ' ||
                                             v.back() == u'\t');
    const bool quoted = v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front();
    if (surrounded || quoted)
        v = u'"' + v + u'"';
    if (existing) {
        if (existing->value == v && fileExists)
            return false;  // the same value again leaves the file untouched
        existing->value = v;
        return true;
    }
    if (!s) {
        Section fresh;
        fresh.named = true;
        fresh.name = trimBlanksTabs(change.section);
        sections.push_back(std::move(fresh));
        s = &sections.back();
    }
    Entry e;
    e.isKey = true;
    e.name = k;
    e.value = v;
    // After the last key of the section, before any trailing comment lines.
    auto at = s->entries.end();
    for (auto it = s->entries.begin(); it != s->entries.end(); ++it)
        if (it->isKey)
            at = it + 1;
    if (at == s->entries.end() || s->entries.empty())
        s->entries.push_back(std::move(e));
    else
        s->entries.insert(at, std::move(e));
    return true;
}

bool applyAll(std::vector<Section>& sections, const std::vector<ProfileFile::Change>& changes, bool fileExists)
{
    bool changed = false;
    for (const ProfileFile::Change& c : changes)
        changed = apply(sections, c, fileExists) || changed;
    return changed;
}

QString asStored(const QString& text) { return cp1252::decode(cp1252::encode(text)); }

}  // namespace

WriteResult ProfileFile::write(const QString& file, const QString& section, const std::optional<QString>& key,
                               const std::optional<QString>& value) const
{
    return write(file, std::vector<Change>{{section, key, value}});
}

WriteResult ProfileFile::write(const QString& file, const std::vector<Change>& changes) const
{
    const QString path = files_.resolve(file);
    for (const Change& c : changes) {
        if (holdsLineBreak(c.section) || (c.key && holdsLineBreak(*c.key)))
            return {path, QStringLiteral("o nome de uma chave contém uma quebra de linha")};
        if (c.value && holdsLineBreak(*c.value))
            return {path, QStringLiteral("o valor de %1 contém uma quebra de linha").arg(c.key ? trimBlanksTabs(*c.key) : QString())};
    }
    const QString folder = FileSystem::folderOf(path);
    if (!FileSystem::isFolder(folder))
        return {path, FileSystem::reasonOf(ENOENT)};
    if (FileSystem::isFolder(path))
        return {path, FileSystem::reasonOf(EISDIR)};
    // Compared as the file will hold them: a character the code page lacks is stored as "?".
    std::vector<Change> stored = changes;
    for (Change& c : stored) {
        c.section = asStored(c.section);
        if (c.key)
            c.key = asStored(*c.key);
        if (c.value)
            c.value = asStored(*c.value);
    }

    // A write whose values already stand in the file (a number loaded again, "&Sair" with
    // nothing edited) has nothing to put back, so it needs no turn: it neither waits for another
    // copy's save nor is refused because of it. The file is renamed whole, so this read sees
    // one whole version of it.
    {
        const auto bytes = files_.readBytes(file);
        if (bytes || !FileSystem::isThere(path)) {
            auto sections = parse(bytes ? cp1252::decode(*bytes) : QString());
            if (!applyAll(sections, stored, bytes.has_value()))
                return {path, {}};
        }
    }

    // From the read to the rename no other process saves in this folder: a save of another copy
    // of the program would otherwise put back what it read before this one.
    const FolderLock lock(folder, files_.saveLockWait());
    if (lock.state() == FolderLock::State::Busy)
        return {path, QStringLiteral("outro programa está gravando este arquivo; tente de novo em instantes")};
    const auto bytes = files_.readBytes(file);
    // A file that is there but cannot be read must not be replaced by the keys being written.
    if (!bytes && FileSystem::isThere(path))
        return {path, QStringLiteral("o arquivo atual não pode ser lido")};
    auto sections = parse(bytes ? cp1252::decode(*bytes) : QString());
    if (!applyAll(sections, stored, bytes.has_value()))
        return {path, {}};
    return files_.writeBytes(file, cp1252::encode(serialise(sections)));
}
