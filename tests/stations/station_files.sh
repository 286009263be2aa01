# Sourced by the station tests: the cruise folder $root/Q/CRUISE with the number 1 and a
# position, and station $1's home folder with its configuration and initials.
shared="$root/Q/CRUISE"
mkdir -p "$shared"
[ -f "$shared/EventNumber.txt" ] || printf '1\r\n' > "$shared/EventNumber.txt"
printf '$GPGGA,140509.00,3254.000,N,11718.000,W,1,08,0.9,10.0,M,,,,*1A\r\n$GPRMC,140509.00,A,3254.000,N,11718.000,W,0.0,0.0,050726,,,*0C\r\n' > "$shared/CurrPos.txt"
station_files() {
    local home="$root/$1/C/VarnelGPS"
    mkdir -p "$home"
    printf '%s\r\n' Ormanti 0701JD 'Q:\CRUISE\' 'Q:\CRUISE\' "${1}Events.txt" Watch.txt EventNumber.txt CurrPos.txt \
        1000 NETWORK NETWORK 1 4800,n,8,1 '$GPGGA' '$GPRMC' STANDARD LASTEVENT CommentOpt.txt NUMERIC SINGLE \
        > "$home/VarnelGPS.cfg"
    printf 'X%s\r\n' "$1" > "$home/Watch.txt"
}
