#include "tests/support/mariadbserver.h"

#include <csignal>
#include <fstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <thread>
#include <unistd.h>

#include <QFile>

#include <gtest/gtest.h>

namespace rowsmith::test {

namespace {

constexpr int clientTimeoutMs = 60'000;
constexpr int startTimeoutMs = 30'000;

std::string readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// Runs a program to its end; throws with its error output when it fails.
std::string run(const QString& program, const QStringList& arguments, const QString& inputFile) {
    QProcess process;
    if (!inputFile.isEmpty())
        process.setStandardInputFile(inputFile);
    process.start(program, arguments);
    if (!process.waitForFinished(clientTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        throw std::runtime_error(program.toStdString() +
                                 " failed: " + process.readAllStandardError().toStdString());
    }
    return process.readAllStandardOutput().toStdString();
}

QStringList asRootWhenRoot() {
    return geteuid() == 0 ? QStringList{QStringLiteral("--user=root")} : QStringList{};
}

// Stops the server of mariaDbServer() after the last test, while the application still runs.
class ServerEnvironment final : public ::testing::Environment {
public:
    void TearDown() override { server.reset(); }
    std::unique_ptr<MariaDbServer> server;
};

ServerEnvironment* const environment =
    static_cast<ServerEnvironment*>(::testing::AddGlobalTestEnvironment(new ServerEnvironment));

} // namespace

MariaDbServer::MariaDbServer() : folder_(QStringLiteral("/tmp/rowsmith-mariadb-XXXXXX")) {
    if (!folder_.isValid())
        throw std::runtime_error("cannot create a folder for the MariaDB server");
    // Its own temporary folder too: bootstraps running side by side in /tmp can clash over the
    // names of their temporary tables.
    run(QStringLiteral("mariadb-install-db"),
        QStringList{"--no-defaults", "--auth-root-authentication-method=normal", "--skip-test-db",
                    "--datadir=" + path("data"), "--tmpdir=" + folder_.path()} +
            asRootWhenRoot(),
        {});
    server_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    server_.setStandardOutputFile(QProcess::nullDevice());
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.start(QStringLiteral("mariadbd"),
                  QStringList{"--no-defaults", "--datadir=" + path("data"),
                              "--socket=" + path("sock"), "--pid-file=" + path("pid"),
                              "--log-error=" + path("error.log"), "--tmpdir=" + folder_.path(),
                              "--skip-networking", "--skip-grant-tables",
                              "--innodb-buffer-pool-size=16M"} +
                      asRootWhenRoot());
    for (int waited = 0; waited < startTimeoutMs; waited += 100) {
        if (server_.state() == QProcess::NotRunning)
            break;
        try {
            query({}, "SELECT 1");
            return;
        } catch (const std::runtime_error&) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    throw std::runtime_error("the MariaDB server did not start: " + readFile(path("error.log")));
}

MariaDbServer::~MariaDbServer() {
    server_.terminate();
    if (!server_.waitForFinished(startTimeoutMs)) {
        server_.kill();
        server_.waitForFinished();
    }
}

std::string MariaDbServer::query(const std::string& database, const std::string& statements) {
    return run(QStringLiteral("mariadb"),
               clientArguments(database) + QStringList{"--batch", "--raw", "--skip-column-names",
                                                       "--execute",
                                                       QString::fromStdString(statements)},
               {});
}

void MariaDbServer::load(const std::string& database, const std::string& script) {
    const QString scriptPath = path("script.sql");
    std::ofstream(scriptPath.toStdString(), std::ios::binary) << script;
    run(QStringLiteral("mariadb"), clientArguments(database) + QStringList{"--binary-mode"},
        scriptPath);
}

QStringList MariaDbServer::clientArguments(const std::string& database) const {
    QStringList arguments{"--no-defaults", "--socket=" + path("sock"), "--user=root",
                          "--default-character-set=utf8mb4"};
    if (!database.empty())
        arguments << "--database=" + QString::fromStdString(database);
    return arguments;
}

QString MariaDbServer::path(const char* name) const {
    return folder_.filePath(QString::fromUtf8(name));
}

MariaDbServer& mariaDbServer() {
    if (!environment->server)
        environment->server = std::make_unique<MariaDbServer>();
    return *environment->server;
}

} // namespace rowsmith::test
