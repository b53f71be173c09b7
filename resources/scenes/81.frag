// Placeholder: circuitry scan.

void main()
{
    vec2 uv = gl_FragCoord.xy / iResolution.xy + iMouse.xy * 0.0001;
    vec3 c = texture2D(iChannel1, uv * 2.0).rgb;
    float scan = smoothstep(0.02, 0.0, abs(fract(uv.y - 0.1 * iGlobalTime) - 0.5));
    gl_FragColor = vec4(c + vec3(0.2, 0.8, 0.4) * scan, 1.0);
}
