#include "data/CFinData.h"

#include "platform/Files.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kParseLimit = 11;

std::string g_directory;
CFinData* g_shared = nullptr;

// The record the file is read into before it is copied to the caller.
CFinData& SharedRecord()
{
    static CFinData fallback;
    return g_shared ? *g_shared : fallback;
}

void FillInts(std::int32_t* first, size_t count, std::int32_t value)
{
    std::fill_n(first, count, value);
}

template <size_t N> void FillInts(std::int32_t (&group)[N], std::int32_t value)
{
    FillInts(group, N, value);
}

// Copies the bytes [begin, end) of the record image.
void CopyBytes(FinRecord& to, const FinRecord& from, size_t begin, size_t end)
{
    std::memcpy(reinterpret_cast<char*>(&to) + begin, reinterpret_cast<const char*>(&from) + begin,
                end - begin);
}

// Copies a text up to its zero; a text without one keeps its first 49
// characters. The bytes after the zero keep what they held.
void CopyTextField(char (&to)[kTextSize], const char (&from)[kTextSize])
{
    const auto* zero = static_cast<const char*>(std::memchr(from, 0, kTextSize));
    const size_t length = zero ? static_cast<size_t>(zero - from) : kTextSize - 1;
    std::memcpy(to, from, length);
    to[length] = '\0';
}

} // namespace

CFinData::CFinData()
{
    std::memcpy(r_.fileName, kSavedWorkFileName, sizeof(kSavedWorkFileName));
}

CFinData::~CFinData() = default;

int CFinData::ParseAmount(std::string_view text)
{
    long long value = 0;
    bool anyDigit = false;
    for (char c : text.substr(0, kParseLimit)) {
        if (c < '0' || c > '9')
            continue;
        anyDigit = true;
        value = std::min<long long>(value * 10 + (c - '0'), INT_MAX);
    }
    return anyDigit ? static_cast<int>(value) : -1;
}

void CFinData::Reset()
{
    FillInts(reinterpret_cast<std::int32_t*>(reinterpret_cast<char*>(&r_) + kDataBegin),
             (offsetof(FinRecord, analysisChecklist) - kDataBegin) / 4, -1);
    std::fill(std::begin(r_.analysisChecklist), std::end(r_.analysisChecklist), 0);
    std::fill(std::begin(r_.paddingAfterChecklist), std::end(r_.paddingAfterChecklist), 0);
    FillInts(r_.saveMoreAmounts, (offsetof(FinRecord, goalName) - offsetof(FinRecord, saveMoreAmounts)) / 4,
             -1);
    FillInts(r_.emergencyChoice, -1);
    FillInts(r_.loanList, -1);
    for (auto& name : r_.goalName)
        name[0] = '\0';
    for (auto& text : r_.emergencyText)
        text[0] = '\0';
    r_.creditMonths = 36;
    r_.creditRate = 500;
    r_.creditPrincipal = 1000;
    FillInts(r_.goalYears, -100);
    r_.monthlyNetIncome = 1000;
    r_.age = 30;
    r_.lastSpare = 100;
}

bool CFinData::Load()
{
    std::FILE* file = platform::OpenFile(SavedWorkDirectory() + "\\" + r_.fileName, "r+b");
    if (!file)
        return false;
    FinRecord& shared = SharedRecord().Record();
    std::fread(&shared, 1, sizeof(FinRecord), file);
    std::fclose(file);

    CopyBytes(r_, shared, kDataBegin, offsetof(FinRecord, goalName));
    for (int i = 0; i < 3; ++i)
        CopyTextField(r_.goalName[i], shared.goalName[i]);
    CopyBytes(r_, shared, offsetof(FinRecord, emergencyChoice), offsetof(FinRecord, emergencyText));
    for (int i = 0; i < 5; ++i)
        CopyTextField(r_.emergencyText[i], shared.emergencyText[i]);
    CopyBytes(r_, shared, offsetof(FinRecord, loanList), kDataEnd);
    return true;
}

bool CFinData::Save() const
{
    return platform::WriteFileAtomically(SavedWorkDirectory() + "\\" + r_.fileName, &r_, sizeof(FinRecord));
}

void CFinData::CopyText(char (&field)[kTextSize], std::string_view text)
{
    const size_t length = std::min<size_t>(text.size(), kTextSize - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

std::string CFinData::TextOf(const char (&field)[kTextSize])
{
    const auto* zero = static_cast<const char*>(std::memchr(field, 0, kTextSize));
    return std::string(field, zero ? static_cast<size_t>(zero - field) : kTextSize - 1);
}

void SetSavedWorkDirectory(std::string directory)
{
    g_directory = std::move(directory);
}

const std::string& SavedWorkDirectory()
{
    return g_directory;
}

void SetSharedRecord(CFinData* record)
{
    g_shared = record;
}
