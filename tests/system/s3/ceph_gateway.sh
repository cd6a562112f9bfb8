#!/usr/bin/env bash
# A one-node Ceph cluster with an S3 gateway on 127.0.0.1, kept in one folder:
#   ceph_gateway.sh start DIR   writes DIR/gateway.env (endpoint, keys, region, a public-read bucket)
#   ceph_gateway.sh stop DIR    ends every process start left running
# Nothing outside DIR is read or written; DIR stays for a look afterwards.
set -euo pipefail

action=${1:?start or stop}
dir=$(realpath -m "${2:?folder}")
conf=$dir/ceph.conf

FreePort() {
  php -r '$s = stream_socket_server("tcp://127.0.0.1:0"); echo explode(":", stream_socket_get_name($s, false))[1];'
}

Stop() {
  [ -f "$dir/pids" ] || return 0
  local pid
  while read -r pid; do kill "$pid" 2>/dev/null || true; done <"$dir/pids"
  for _ in $(seq 50); do
    local alive=0
    while read -r pid; do kill -0 "$pid" 2>/dev/null && alive=1; done <"$dir/pids"
    [ $alive -eq 0 ] && break
    sleep 0.1
  done
  while read -r pid; do kill -9 "$pid" 2>/dev/null || true; done <"$dir/pids"
  rm -f "$dir/pids"
}

# Waits until the command succeeds, at most $1 tenths of a second.
WaitFor() {
  local tries=$1
  shift
  for _ in $(seq "$tries"); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "ceph_gateway: timed out waiting for: $*" >&2
  return 1
}

# Starts a daemon in the foreground mode ceph offers, remembering its process.
Daemon() {
  local name=$1
  shift
  "$@" -c "$conf" -f >"$dir/log/$name.out" 2>&1 &
  echo $! >>"$dir/pids"
}

Start() {
  Stop
  rm -rf "$dir"
  mkdir -p "$dir"/{run,log,mon,osd,mgr,rgw,crash}
  local monPort rgwPort fsid
  monPort=$(FreePort)
  rgwPort=$(FreePort)
  fsid=$(cat /proc/sys/kernel/random/uuid)
  cat >"$conf" <<CONF
[global]
fsid = $fsid
mon host = v2:127.0.0.1:$monPort
ms bind msgr1 = false
auth cluster required = none
auth service required = none
auth client required = none
ms cluster mode = crc
ms service mode = crc
ms client mode = crc
ms mon cluster mode = crc
ms mon service mode = crc
ms mon client mode = crc
run dir = $dir/run
admin socket = $dir/run/\$name.asok
log file = $dir/log/\$name.log
crash dir = $dir/crash
keyring = $dir/keyring
mon data = $dir/mon/\$id
osd data = $dir/osd/\$id
mgr data = $dir/mgr/\$id
rgw data = $dir/rgw/\$id
osd objectstore = memstore
memstore device bytes = 1073741824
osd pool default size = 1
osd pool default min size = 1
mon allow pool size one = true
osd crush chooseleaf type = 0
osd pool default pg num = 8
osd pool default pgp num = 8
osd pool default pg autoscale mode = off
osd mon shutdown timeout = 0.5
mon warn on pool no redundancy = false
[client.rgw]
rgw frontends = beast endpoint=127.0.0.1:$rgwPort
rgw dns name = 127.0.0.1
CONF
  touch "$dir/keyring"
  monmaptool --create --fsid "$fsid" --addv a "[v2:127.0.0.1:$monPort]" "$dir/monmap" >/dev/null
  ceph-mon -c "$conf" --mkfs -i a --monmap "$dir/monmap" >"$dir/log/mkfs-mon.out" 2>&1
  Daemon mon ceph-mon -i a
  WaitFor 300 ceph -c "$conf" mon stat
  local osdUuid osdId
  osdUuid=$(cat /proc/sys/kernel/random/uuid)
  osdId=$(ceph -c "$conf" osd new "$osdUuid")
  mkdir -p "$dir/osd/$osdId"
  ceph-osd -c "$conf" -i "$osdId" --mkfs --osd-uuid "$osdUuid" >"$dir/log/mkfs-osd.out" 2>&1
  Daemon osd ceph-osd -i "$osdId"
  Daemon mgr ceph-mgr -i x
  Daemon rgw radosgw -n client.rgw
  WaitFor 600 curl -sf -o /dev/null "http://127.0.0.1:$rgwPort/"
  local accessKey secretKey
  accessKey=wxpubtest$(od -An -N6 -tx1 /dev/urandom | tr -d ' \n')
  secretKey=$(od -An -N20 -tx1 /dev/urandom | tr -d ' \n')
  radosgw-admin -c "$conf" user create --uid wxpub --display-name wxpub \
    --access-key "$accessKey" --secret "$secretKey" >"$dir/log/user.out"
  # Public-read, so tests list what arrived with plain GETs.
  curl -sf -o /dev/null -X PUT --aws-sigv4 "aws:amz:us-east-1:s3" -u "$accessKey:$secretKey" \
    -H "x-amz-content-sha256: UNSIGNED-PAYLOAD" -H "x-amz-acl: public-read" "http://127.0.0.1:$rgwPort/wxpub-test"
  cat >"$dir/gateway.env" <<ENV
endpoint=http://127.0.0.1:$rgwPort
access_key=$accessKey
secret_key=$secretKey
region=us-east-1
bucket=wxpub-test
ENV
}

case "$action" in
  start) Start ;;
  stop) Stop ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
