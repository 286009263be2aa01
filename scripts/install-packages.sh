# Sourced by the set-up scripts: installs the Debian packages the logger builds
# and runs with, when any is missing.
need=(cmake g++ ninja-build clang-format libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-serialport-dev
      desktop-file-utils xvfb xauth xdotool socat imagemagick fonts-liberation2 clang libclang-rt-14-dev)
missing=()
for p in "${need[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
