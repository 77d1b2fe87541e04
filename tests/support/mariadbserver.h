#pragma once

#include <memory>
#include <string>

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace rowsmith::test {

// A MariaDB server of the test binary's own: a fresh data folder in a temporary folder, a Unix
// socket there, no networking, no grant tables. Stopped by the destructor; should the test
// process die first, the kernel kills it too.
class MariaDbServer final {
public:
    // Installs the data folder and starts the server; throws std::runtime_error with the server's
    // log when it does not come up.
    MariaDbServer();
    ~MariaDbServer();
    MariaDbServer(const MariaDbServer&) = delete;
    MariaDbServer& operator=(const MariaDbServer&) = delete;

    // Runs statements with the mariadb client and returns what it prints: tab-separated rows
    // without column names or escaping. Throws std::runtime_error when the client fails.
    std::string query(const std::string& database, const std::string& statements);
    // Loads a script with the mariadb client, in binary mode so that every byte of the values
    // arrives as written (by default the client turns CR LF inside a value into LF).
    void load(const std::string& database, const std::string& script);

private:
    QStringList clientArguments(const std::string& database) const;
    QString path(const char* name) const;

    QTemporaryDir folder_;
    QProcess server_;
};

// The one server of the test binary, started on first use and stopped when the tests end.
MariaDbServer& mariaDbServer();

} // namespace rowsmith::test
