// Placeholder: drifting clouds.

void main()
{
    vec2 uv = gl_FragCoord.xy / iResolution.xy + iMouse.xy * 0.0001;
    vec3 c = texture2D(iChannel1, uv + vec2(0.04 * iGlobalTime, 0.0)).rgb;
    c = mix(c, vec3(0.4, 0.6, 0.9), 0.3 * (1.0 - uv.y));
    gl_FragColor = vec4(c, 1.0);
}
