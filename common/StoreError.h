#pragma once

#include <QString>
#include <optional>
#include <utility>

// Why the store could not be written, in words for the user.
struct StoreError {
    QString file;   // the store's file, or its registry key
    QString reason; // what went wrong, translated

    // "The settings could not be saved in <file>: <reason>."
    QString message() const;
};

// What a write of the store came to: true when done, or the error that says why not.
class [[nodiscard]] WriteResult {
public:
    WriteResult() = default;
    // Implicit, so that a backend can return its error as it is.
    WriteResult(StoreError error) : m_error(std::move(error)) {}
    static WriteResult failure(const QString& file, const QString& reason)
    {
        return StoreError{file, reason};
    }

    explicit operator bool() const { return !m_error; }
    const std::optional<StoreError>& error() const { return m_error; }

private:
    std::optional<StoreError> m_error;
};
